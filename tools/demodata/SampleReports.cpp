#include "tools/demodata/SampleReports.h"

#include "base/Error.h"
#include "store/report/FieldRow.h"
#include "store/report/ReportWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <vector>

namespace demo {

namespace {

using Flags = std::vector<store::FieldFlag>;
using enum store::FieldFlag;
const Flags None;

constexpr int ContactSide = 0;
constexpr int EventSide = 1;

struct Field {
    int dbType;
    const char* header;
    const char* name;
    int line;
    int left;
    int right;
    Flags flags;
};

struct Report {
    const char* fileName;
    const char* description;
    const char* type;
    const char* category;
    int width;
    std::vector<Field> fields;   // in file order: by line, then left to right
};

// A contact-ordered phone list on US portrait paper, with the detail level.
const Report PhoneList{
    "phonelst.rpt", "Phone List", "Contact", "Contact", 75,
    {
        {ContactSide, "ID", "CustomID", 1, 1, 25, {Count}},
        {ContactSide, "Last Name", "LastName", 1, 26, 41, None},
        {ContactSide, "First Name", "FirstName", 1, 42, 57, None},
        {ContactSide, "Work Phone", "WorkPhone", 1, 58, 75, {Leaders}},
    }};

// Contacts with their phone calls on A4 portrait paper, four columns over two lines.
const Report CallReport{
    "callrpt.rpt", "Call Report", "Contact", "Call", 77,
    {
        {ContactSide, "Company", "Company", 1, 1, 19, {Trailers}},
        {ContactSide, "Contact", "LastName", 1, 20, 38, None},
        {ContactSide, "Visits", "Visits", 1, 39, 57, {Total, Average}},
        {ContactSide, "Last Contact", "LastContact", 1, 58, 76, {Max}},
        {EventSide, "Call Date", "EventDate", 2, 1, 19, {Count}},
        {EventSide, "Subject", "Summary", 2, 20, 38, None},
        {EventSide, "Elapsed", "Elapsed", 2, 39, 57, None},
        {EventSide, "Call Notes", "Memo", 2, 58, 76, None},
    }};

// A date-ordered calendar of all events on A4 landscape paper.
const Report Calendar{
    "calendar.rpt", "Calendar of Events", "Calendar", "Event", 115,
    {
        {EventSide, "Date", "EventDate", 1, 1, 28, {Count}},
        {EventSide, "Time", "EventTime", 1, 29, 56, None},
        {EventSide, "Type", "Type", 1, 57, 84, None},
        {EventSide, "Subject", "Summary", 1, 85, 112, None},
        {ContactSide, "Contact", "LastName", 2, 1, 28, None},
        {ContactSide, "Company", "Company", 2, 29, 56, {Leaders}},
        {EventSide, "Status", "Status", 2, 57, 84, None},
        {EventSide, "Minutes", "Duration", 2, 85, 112, {Count}},
    }};

// A field of a sample as the working table holds it, at its place in the file.
store::FieldRow RowOf(const Field& field, int order)
{
    store::FieldRow row;
    row.field = QString::fromLatin1(field.name);
    row.order = order;
    row.header = QString::fromLatin1(field.header);
    row.dbType = field.dbType;
    row.line = field.line;
    row.lposition = field.left;
    row.rposition = field.right;
    for (const store::FieldFlag flag : {Leaders, Trailers, Total, Count, Average, Min, Max})
        store::SetFlag(row, flag, std::find(field.flags.begin(), field.flags.end(), flag) != field.flags.end());
    return row;
}

const Report* const Samples[] = {&PhoneList, &CallReport, &Calendar};

} // namespace

QStringList sampleReportNames()
{
    QStringList names;
    for (const Report* report : Samples)
        names << QString::fromLatin1(report->fileName);
    return names;
}

// Each written as the wizard writes a report, never over a file that took its
// name meanwhile.
void writeSampleReports(const QString& directory)
{
    for (const Report* report : Samples) {
        const QString path = QDir(directory).filePath(QString::fromLatin1(report->fileName));
        std::vector<store::FieldRow> rows;
        for (const Field& field : report->fields)
            rows.push_back(RowOf(field, int(rows.size()) + 1));
        const store::ReportHead head{QString::fromLatin1(report->description), QString::fromLatin1(report->type),
                                         QString::fromLatin1(report->category), report->width, std::nullopt};
        const auto keepTheirs = [](const store::ReportChange&) { return false; };
        if (!store::WriteReportFile(path, head, rows, {std::nullopt, keepTheirs}))
            throw base::FileError(QCoreApplication::translate("DemoTool", "%1 already exists; the demo data is made "
                                                                          "only in a folder that holds none of its "
                                                                          "files, so that nothing is overwritten.")
                                      .arg(QDir::toNativeSeparators(path)));
    }
}

} // namespace demo
