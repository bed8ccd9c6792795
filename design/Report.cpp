#include "design/Report.h"

#include "rules/ColumnCheck.h"
#include "rules/ReportSettings.h"

#include <algorithm>
#include <tuple>

namespace design {

namespace {

constexpr int MinPrintableWidth = 1;
constexpr int MaxPrintableWidth = 200;

} // namespace

Report ReportOf(const store::ReportContent& content)
{
    Report report;
    report.head.description = content.description;
    report.head.type = store::ReportTypeNamed(content.typeLine);
    // A line 2 that names no type leaves the type a wizard starts with.
    const std::vector<store::Category> categories =
        rules::CategoriesTurnedOn(report.head.type.value_or(store::ReportType::Contact), content.categoryLine);
    if (!categories.empty())
        report.head.category = categories.back();
    report.head.width = std::clamp(content.width, MinPrintableWidth, MaxPrintableWidth);
    report.fields = content.fields;
    report.head.detailLevel =
        std::any_of(report.fields.begin(), report.fields.end(), rules::IsDetailLevelRecord);
    return report;
}

Report LoadReport(const QString& path, const store::HeadCheck& check)
{
    return ReportOf(store::ReadReport(path, check));
}

std::vector<store::FieldRow> InReportOrder(std::vector<store::FieldRow> fields)
{
    const auto before = [](const store::FieldRow& a, const store::FieldRow& b) {
        return std::tie(a.line, a.order) < std::tie(b.line, b.order);
    };
    if (!std::is_sorted(fields.begin(), fields.end(), before))
        std::stable_sort(fields.begin(), fields.end(), before);
    return fields;
}

QString CheckColumns(const Report& report)
{
    QList<rules::ColumnRecord> records;
    records.reserve(qsizetype(report.fields.size()));
    for (const store::FieldRow& row : InReportOrder(report.fields))
        records.append({row.line.value_or(0), row.order, row.lposition.value_or(0), row.rposition.value_or(0)});
    return rules::ColumnCheckFailure(report.head.width, records);
}

store::ReportHead FileHeadOf(const ReportHead& head)
{
    store::ReportHead lines;
    lines.description = head.description;
    lines.typeLine = store::WordOf(head.type.value_or(store::ReportType::Contact)).toString();
    if (head.category)
        lines.categoryLine = store::WordOf(*head.category).toString();
    lines.width = head.width;
    return lines;
}

std::optional<store::ReportVersion> SaveReport(const QString& path, const Report& report,
                                               const store::SaveGuard& guard)
{
    return store::WriteReportFile(path, FileHeadOf(report.head), InReportOrder(report.fields), guard);
}

} // namespace design
