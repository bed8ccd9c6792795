#pragma once

#include "store/report/ReportContent.h"
#include "store/report/ReportWords.h"

#include <QString>
#include <optional>
#include <vector>

namespace rules {

// The category options that loading turns on for line 3, one after another,
// when type is the report type checked once line 2 is read: the word "Contact"
// always; another category's word only in a contact-ordered report; and a
// calendar report the basic event fields last, whatever the line says. Each
// option turned on runs as a click, so every step counts.
std::vector<store::Category> CategoriesTurnedOn(std::optional<store::ReportType> type, const QString& line);

// The paper options of the paper-size page, and the one that loading checks
// for the number on line 4: 75, 77, 110 and 115 tenths of an inch are the US
// and A4 portrait and landscape papers, any other number "Other Paper Size".
enum class PaperSize { UsPortrait, A4Portrait, UsLandscape, A4Landscape, Other };
PaperSize PaperOf(int width);

// True for the record of the detail level: its Field is CustomID in any letter case.
bool IsDetailLevelRecord(const store::FieldRow& record);

// The column check of the Column Widths page on the report's records against
// its printable width: the warning text of the first rule that fails, or an
// empty text when the columns pass.
QString CheckReportColumns(const store::ReportContent& report);

} // namespace rules
