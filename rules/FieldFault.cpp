#include "rules/FieldFault.h"

#include <QCoreApplication>

namespace rules {

namespace {

QString N(int number)
{
    return QString::number(number);
}

} // namespace

// The names are filled in at once with the numbers, so a name holding "%2" stays as it is.
QString FieldFault(int maximum, const QList<ColumnRecord>& records, const QStringList& names, qsizetype index)
{
    const ColumnRecord& field = records[index];
    const QString& name = names[index];
    if (EndsBeforeStart(field))
        //: Spoken for the column layout. %1: the field; %2, %3: positions in tenths of an inch
        return QCoreApplication::translate("FieldFault", "%1 ends at %2, before it starts at %3.")
            .arg(name, N(field.rposition), N(field.lposition));
    if (EndsBeyond(maximum, field))
        //: %1: the field; %2: its end; %3: the printable width, in tenths of an inch
        return QCoreApplication::translate("FieldFault", "%1 ends at %2, past the printable width of %3.")
            .arg(name, N(field.rposition), N(maximum));
    if (field.line < 1)
        //: %1: the field
        return QCoreApplication::translate("FieldFault", "%1 is on no line of the report.").arg(name);
    if (FieldsAtFault(maximum, records)[index]) {
        // The marks: an earlier field of the line that ends at or after this one's
        // start, or a later one that starts at or before its end.
        for (qsizetype other = 0; other < records.size(); ++other) {
            const ColumnRecord& next = records[other];
            if (other == index || next.line != field.line)
                continue;
            if (other < index ? next.rposition >= field.lposition : field.rposition >= next.lposition)
                //: %1, %4: two fields, each with its start and end; %7: the line of the report
                return QCoreApplication::translate("FieldFault",
                                                   "%1, from %2 to %3, overlaps %4, from %5 to %6, on line %7.")
                    .arg(name, N(field.lposition), N(field.rposition), names[other], N(next.lposition),
                         N(next.rposition), N(field.line));
        }
        //: %1: the field; %2: its one position; %3: the line of the report
        return QCoreApplication::translate("FieldFault",
                                           "%1 is one position wide, at %2, and is not the last field of line %3.")
            .arg(name, N(field.lposition), N(field.line));
    }
    //: %1: the field; %2, %3: its start and end; %4: the line of the report
    return QCoreApplication::translate("FieldFault", "%1 runs from %2 to %3 on line %4; the check finds no fault with it.")
        .arg(name, N(field.lposition), N(field.rposition), N(field.line));
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
        //: %1: what is at fault with the field in view; %2: the same for each other field at fault
        words = QCoreApplication::translate("FieldFault", "%1 Also at fault: %2").arg(words, others.join(u' '));
    return words;
}

} // namespace rules
