#pragma once

#include <QHash>
#include <QString>

namespace store {
class Table;
}

namespace wizard {

// The label of each field of the working table as the column layout shows it:
// its column header or, without one, the name the field lists show (an event
// field by its display name in the category). Each label is found under the
// field's stored name and under its display name, so a grid may show either.
// The cursor is walked with its bound controls quiet and put back on its row; a
// table that is closed or has a row being edited is not walked, and gives none.
QHash<QString, QString> FieldLabels(store::Table& table, const QString& eventCategory);

} // namespace wizard
