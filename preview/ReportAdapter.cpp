#include "preview/ReportAdapter.h"

#include "rules/ReportSettings.h"
#include "store/report/ReportContent.h"
#include "store/report/ReportWords.h"

namespace preview {

namespace {

EventKind EventsOf(const QString& categoryWord)
{
    const std::optional<store::Category> category = store::CategoryNamed(categoryWord);
    if (!category)
        return EventKind::None;
    switch (*category) {
    case store::Category::Contact: return EventKind::None;
    case store::Category::Event: return EventKind::Every;
    case store::Category::Call: return EventKind::Call;
    case store::Category::Letter: return EventKind::Letter;
    case store::Category::Meeting: return EventKind::Meeting;
    case store::Category::Todo: return EventKind::Todo;
    case store::Category::Note: return EventKind::Note;
    }
    return EventKind::None;
}

} // namespace

PreviewReport PreviewReportOf(const store::ReportContent& content)
{
    const rules::ReportSettings settings = rules::SettingsOf(content);
    PreviewReport report;
    report.description = content.description;
    report.dateOrdered = settings.typeWord == store::WordOf(store::ReportType::Calendar);
    // A calendar report shows every event whatever its line 3 says, as loading takes it.
    report.events = report.dateOrdered ? EventKind::Every : EventsOf(settings.categoryWord);
    report.width = settings.printableWidth;
    for (const store::ReportFieldRecord* record : rules::InReportOrder(content)) {
        PreviewField field;
        field.name = record->field.text();
        field.header = record->header.text();
        field.event = record->dbType.value_or(0) == 1;
        field.line = record->line.value_or(0);
        field.left = record->lposition.value_or(0);
        field.right = record->rposition.value_or(0);
        field.leaders = record->leaders;
        field.trailers = record->trailers;
        field.summaries[int(Summary::Total)] = record->total.value_or(false);
        field.summaries[int(Summary::Count)] = record->count.value_or(false);
        field.summaries[int(Summary::Average)] = record->average.value_or(false);
        field.summaries[int(Summary::Max)] = record->maxValue.value_or(false);
        field.summaries[int(Summary::Min)] = record->minValue.value_or(false);
        report.fields.push_back(std::move(field));
    }
    return report;
}

} // namespace preview
