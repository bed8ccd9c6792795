#pragma once

#include <QHash>
#include <QString>

namespace store {
class Table;
}

namespace rules {

// The label of each field of the working table as the column layout shows it:
// the column header it has at this moment (a row being edited with what is
// typed) or, while the header is empty or still the stored name a new row
// starts with, the name the field lists show (an event field by its display
// name in the category). Each label is found under the field's stored name and
// under its display name, so a grid may show either. A browsing cursor is
// walked with its bound controls quiet and put back on its row; one with a row
// being edited is left where it is. A closed table gives none.
QHash<QString, QString> FieldLabels(store::Table& table, const QString& eventCategory);

} // namespace rules
