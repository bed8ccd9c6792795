#pragma once

#include "store/report/ReportContent.h"

#include <QString>
#include <vector>

namespace wizard {

// The pages' choices that loading derives from a report read from its file.
struct ReportSettings {
    QString typeWord;     // "Contact" or "Calendar"; empty when line 2 names neither
    QString categoryWord; // "Contact", "Event", "Note", "Call", "Letter", "Meeting" or "TO-DO";
                          // empty when line 3 names none that the report type takes
    int printableWidth = 0; // line 4 as the paper-size page takes it, within 1 and 200
    bool detailLevel = false; // a record for CustomID, in any letter case
};

// Words are matched in any letter case; a calendar report always has the basic
// event fields, whatever its line 3 says.
ReportSettings SettingsOf(const store::ReportContent& report);

// The records in the order of the working table's index "iOrder": by Line (a
// record without one first), then by their place in the file.
std::vector<const store::ReportFieldRecord*> InReportOrder(const store::ReportContent& report);

// The column check of the Column Widths page on the report's records against
// its printable width: the warning text of the first rule that fails, or an
// empty text when the columns pass.
QString CheckReportColumns(const store::ReportContent& report);

} // namespace wizard
