#include "rules/FieldFault.h"

namespace rules {

QString FieldFault(int maximum, const QList<ColumnRecord>& records, const QStringList& names, qsizetype index)
{
    const ColumnRecord& field = records[index];
    const QString& name = names[index];
    if (EndsBeforeStart(field))
        return QStringLiteral("%1 ends at %2, before it starts at %3.")
            .arg(name).arg(field.rposition).arg(field.lposition);
    if (EndsBeyond(maximum, field))
        return QStringLiteral("%1 ends at %2, past the printable width of %3.")
            .arg(name).arg(field.rposition).arg(maximum);
    if (field.line < 1)
        return QStringLiteral("%1 is on no line of the report.").arg(name);
    if (FieldsAtFault(maximum, records)[index]) {
        // The marks: an earlier field of the line that ends at or after this one's
        // start, or a later one that starts at or before its end.
        for (qsizetype other = 0; other < records.size(); ++other) {
            const ColumnRecord& next = records[other];
            if (other == index || next.line != field.line)
                continue;
            if (other < index ? next.rposition >= field.lposition : field.rposition >= next.lposition)
                return QStringLiteral("%1, from %2 to %3, overlaps %4, from %5 to %6, on line %7.")
                    .arg(name).arg(field.lposition).arg(field.rposition)
                    .arg(names[other]).arg(next.lposition).arg(next.rposition).arg(field.line);
        }
        return QStringLiteral("%1 is one position wide, at %2, and is not the last field of line %3.")
            .arg(name).arg(field.lposition).arg(field.line);
    }
    return QStringLiteral("%1 runs from %2 to %3 on line %4; the check finds no fault with it.")
        .arg(name).arg(field.lposition).arg(field.rposition).arg(field.line);
}

QString LayoutFaults(int maximum, const QList<ColumnRecord>& records, const QStringList& names, qsizetype index)
{
    QString words = FieldFault(maximum, records, names, index);
    const QList<bool> atFault = FieldsAtFault(maximum, records);
    QStringList others;
    for (qsizetype other = 0; other < records.size(); ++other)
        if (other != index && atFault[other])
            others << FieldFault(maximum, records, names, other);
    if (!others.isEmpty())
        words += QStringLiteral(" Also at fault: ") + others.join(u' ');
    return words;
}

} // namespace rules
