#include "rules/ReportSettings.h"

#include "rules/ColumnCheck.h"

#include <algorithm>

namespace rules {

namespace {

constexpr int MinPrintableWidth = 1;
constexpr int MaxPrintableWidth = 200;

// Line 4 as the paper-size page's spin edit takes it.
int PrintableWidthOf(const store::ReportContent& report)
{
    return std::clamp(report.width, MinPrintableWidth, MaxPrintableWidth);
}

} // namespace

std::vector<store::Category> CategoriesTurnedOn(std::optional<store::ReportType> type, const QString& line)
{
    std::vector<store::Category> steps;
    const std::optional<store::Category> named = store::CategoryNamed(line);
    if (named == store::Category::Contact || (named && type == store::ReportType::Contact))
        steps.push_back(*named);
    if (type == store::ReportType::Calendar)
        steps.push_back(store::Category::Event);
    return steps;
}

PaperSize PaperOf(int width)
{
    switch (width) {
    case 75: return PaperSize::UsPortrait;
    case 77: return PaperSize::A4Portrait;
    case 110: return PaperSize::UsLandscape;
    case 115: return PaperSize::A4Landscape;
    default: return PaperSize::Other;
    }
}

bool IsDetailLevelRecord(const store::FieldRow& record)
{
    return record.field.compare(QLatin1String("customid"), Qt::CaseInsensitive) == 0;
}

QString CheckReportColumns(const store::ReportContent& report)
{
    // In file order: the check takes each line's fields in the order they come,
    // which is the report's order within a line, and puts the lines in order itself.
    QList<ColumnRecord> records(qsizetype(report.fields.size()));
    ColumnRecord* out = records.data();
    for (const store::FieldRow& record : report.fields)
        *out++ = {record.line.value_or(0), record.order, record.lposition.value_or(0), record.rposition.value_or(0)};
    return ColumnCheckFailure(PrintableWidthOf(report), records);
}

} // namespace rules
