#include "rules/FieldFault.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <utility>

namespace rules {

namespace {

QString N(int number)
{
    return QString::number(number);
}

// The field that the field at index overlaps on its line: an earlier field of the
// line that ends at or after its start, or a later one that starts at or before
// its end; -1 for none.
qsizetype OverlapPartner(const QList<ColumnRecord>& records, qsizetype index)
{
    const ColumnRecord& field = records[index];
    for (qsizetype other = 0; other < records.size(); ++other) {
        const ColumnRecord& next = records[other];
        if (other == index || next.line != field.line)
            continue;
        if (other < index ? next.rposition >= field.lposition : field.rposition >= next.lposition)
            return other;
    }
    return -1;
}

// The overlap the field's words tell (the pair, in either order), if they tell one.
std::optional<std::pair<qsizetype, qsizetype>> ToldOverlap(int maximum, const QList<ColumnRecord>& records,
                                                           qsizetype index)
{
    const ColumnRecord& field = records[index];
    if (EndsBeforeStart(field) || EndsBeyond(maximum, field) || field.line < 1
        || !FieldsAtFault(maximum, records)[index])
        return std::nullopt;
    const qsizetype other = OverlapPartner(records, index);
    if (other < 0)
        return std::nullopt;
    return std::pair{std::min(index, other), std::max(index, other)};
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
        if (const qsizetype other = OverlapPartner(records, index); other >= 0) {
            const ColumnRecord& next = records[other];
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
    // An overlapping pair is told once, whichever of the two tells it.
    QList<std::pair<qsizetype, qsizetype>> told;
    if (const auto pair = ToldOverlap(maximum, records, index))
        told << *pair;
    QStringList others;
    for (qsizetype other = 0; other < records.size(); ++other) {
        if (other == index || !atFault[other])
            continue;
        if (const auto pair = ToldOverlap(maximum, records, other)) {
            if (told.contains(*pair))
                continue;
            told << *pair;
        }
        others << FieldFault(maximum, records, names, other);
    }
    if (!others.isEmpty())
        //: %1: what is at fault with the field in view; %2: the same for each other field at fault
        words = QCoreApplication::translate("FieldFault", "%1 Also at fault: %2").arg(words, others.join(u' '));
    return words;
}

} // namespace rules
