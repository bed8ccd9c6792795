#pragma once

#include <QString>
#include <QStringList>

namespace rules {

// Event fields are offered per category from fixed tables, each entry pairing
// an EVENT.DB field name with the text the event list shows for it, its display
// name, in the user's language. The category words are "GENERIC", "CALL",
// "LETTER", "MEETING", "TO-DO" and "NOTE"; words and names are compared
// exactly, letter case included. Only the field names are stored: a display
// name goes into no file and no table, so a report reads the same in every language.

// The display name of fieldName in the category's table; fieldName itself when
// the category or the name is unknown.
QString GetEventDisplayName(const QString& category, const QString& fieldName);

// The EVENT.DB field name shown as displayName (in the user's language) in the
// category's table; displayName itself when the category or the name is unknown.
QString GetEventFieldName(const QString& category, const QString& displayName);

// Empties list and fills it with the category's display names in table order;
// an unknown category leaves it empty.
void FillEventFieldList(const QString& category, QStringList& list);

} // namespace rules
