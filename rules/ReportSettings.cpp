#include "rules/ReportSettings.h"

#include "rules/ColumnCheck.h"
#include "store/report/Cp1252.h"
#include "store/report/ReportReader.h"

#include <algorithm>

namespace wizard {

namespace {

constexpr int MinPrintableWidth = 1;
constexpr int MaxPrintableWidth = 200;

// The word of words that line names in any letter case, as written; empty for none.
template <std::size_t N>
QString WordNamed(const std::string& bytes, const char* const (&words)[N])
{
    const QString line = store::DecodeCp1252(QByteArrayView(bytes));
    for (const char* word : words)
        if (store::MatchesWord(line, QLatin1StringView(QByteArray(word).toUpper())))
            return QString::fromLatin1(word);
    return {};
}

// Line 4 as the paper-size page's spin edit takes it.
int PrintableWidthOf(const store::ReportContent& report)
{
    return std::clamp(report.width, MinPrintableWidth, MaxPrintableWidth);
}

} // namespace

ReportSettings SettingsOf(const store::ReportContent& report)
{
    static const char* const types[] = {"Contact", "Calendar"};
    static const char* const categories[] = {"Contact", "Event", "Note", "Call", "Letter", "Meeting", "TO-DO"};
    ReportSettings settings;
    settings.typeWord = WordNamed(report.typeLine, types);
    settings.categoryWord = settings.typeWord == QLatin1String("Calendar") ? QStringLiteral("Event")
                                                                           : WordNamed(report.categoryLine, categories);
    settings.printableWidth = PrintableWidthOf(report);
    settings.detailLevel = std::any_of(report.fields.begin(), report.fields.end(), [](const auto& record) {
        return record.field.text().toLower() == QLatin1String("customid");
    });
    return settings;
}

std::vector<const store::ReportFieldRecord*> InReportOrder(const store::ReportContent& report)
{
    std::vector<const store::ReportFieldRecord*> records;
    records.reserve(report.fields.size());
    for (const store::ReportFieldRecord& record : report.fields)
        records.push_back(&record);
    // The file gives the order of each line's records, so a stable sort by line suffices.
    const auto byLine = [](const auto* a, const auto* b) { return a->line < b->line; };
    if (!std::is_sorted(records.begin(), records.end(), byLine))
        std::stable_sort(records.begin(), records.end(), byLine);
    return records;
}

QString CheckReportColumns(const store::ReportContent& report)
{
    // In file order: the check takes each line's fields in the order they come,
    // which is the report's order within a line, and puts the lines in order itself.
    QList<ColumnRecord> records(qsizetype(report.fields.size()));
    ColumnRecord* out = records.data();
    for (const store::ReportFieldRecord& record : report.fields)
        *out++ = {record.line.value_or(0), record.order, record.lposition.value_or(0), record.rposition.value_or(0)};
    return ColumnCheckFailure(PrintableWidthOf(report), records);
}

} // namespace wizard
