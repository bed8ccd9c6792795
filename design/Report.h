#pragma once

#include "store/report/FieldRow.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportReader.h"
#include "store/report/ReportWords.h"
#include "store/report/ReportWriter.h"

#include <QString>
#include <optional>
#include <vector>

namespace design {

// What the first lines of a report say, as the pages hold it.
struct ReportHead {
    QString description;
    std::optional<store::ReportType> type;   // none: line 2 names no type (a wizard keeps the one it has)
    std::optional<store::Category> category; // none: line 3 names none that the type takes
    int width = 75;                          // the printable width in tenths of an inch, 1 to 200
    bool detailLevel = false;                // CustomID leads the report

    friend bool operator==(const ReportHead&, const ReportHead&) = default;
};

// A report being designed, as one value: its head and one row per field.
struct Report {
    ReportHead head;
    std::vector<store::FieldRow> fields;

    friend bool operator==(const Report&, const Report&) = default;
};

// A report file read by the one reader, as loading takes it into a wizard as
// it starts (a contact-ordered report): the type and category its lines name
// (a calendar report always with the basic event fields), the width as the
// paper-size page takes it, the detail level when a field is CustomID in any
// letter case, and the fields in file order.
Report ReportOf(const store::ReportContent& content);
// Reads the report at path so; throws as store::ReadReport does.
Report LoadReport(const QString& path, const store::HeadCheck& check = {});

// The fields in the report's order: by line (a field without one first), then
// by their order; fields of equal line and order keep theirs.
std::vector<store::FieldRow> InReportOrder(std::vector<store::FieldRow> fields);

// The column check of the Column Widths page on the report's fields against its
// printable width: the warning of the first rule that fails, or an empty text.
QString CheckColumns(const Report& report);

// Lines 1 to 4 of the file for the head: a report without a type is written as
// contact-ordered, one without a category with an empty line 3.
store::ReportHead FileHeadOf(const ReportHead& head);

// Writes the report through the one writer (store::WriteReportFile), its
// fields in the report's order; returns what was written, none when the guard's
// question was answered No.
std::optional<store::ReportVersion> SaveReport(const QString& path, const Report& report,
                                               const store::SaveGuard& guard = {});

} // namespace design
