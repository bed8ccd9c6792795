#pragma once

#include "store/report/ReportWords.h"

#include <QString>

// The words a report file holds for its type and category, as a person reads
// them: in the desktop's language. Only for showing; files and JSON keep the
// words as written (store::WordOf).
namespace translations {

QString ShownWord(store::ReportType type);
QString ShownWord(store::Category category);

// A report's type line as shown: its word in the desktop's language when the
// line names a type in any letter case and that language has a word of its
// own for it, else the line as it stands.
QString ShownTypeLine(const QString& line);

} // namespace translations
