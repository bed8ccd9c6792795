#pragma once

#include "rules/ColumnCheck.h"

#include <QList>
#include <QString>

namespace rules {

// In words, what the column check finds at fault with one field (the one at
// index): that it ends before it starts, ends past the printable width
// (maximum), or which field of its line it overlaps and where; or that it
// finds nothing. names: what each record is called, records in report order as
// FieldsAtFault takes them, whose marks the words explain.
QString FieldFault(int maximum, const QList<ColumnRecord>& records, const QStringList& names, qsizetype index);

// The words of FieldFault for the field at index, followed, when the check finds
// fault with other fields, by the words for each of those.
QString LayoutFaults(int maximum, const QList<ColumnRecord>& records, const QStringList& names, qsizetype index);

} // namespace rules
