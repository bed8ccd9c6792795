#include "preview/ReportAdapter.h"

#include "design/Report.h"

namespace preview {

namespace {

EventKind EventsOf(bool dateOrdered, std::optional<store::Category> category)
{
    // A calendar report shows every event whatever its line 3 says, as loading takes it.
    if (dateOrdered)
        return EventKind::Every;
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

PreviewReport PreviewReportOf(const design::Report& design)
{
    PreviewReport report;
    report.description = design.head.description;
    report.dateOrdered = design.head.type == store::ReportType::Calendar;
    report.events = EventsOf(report.dateOrdered, design.head.category);
    report.width = design.head.width;
    for (const store::FieldRow& row : design::InReportOrder(design.fields)) {
        PreviewField field;
        field.name = row.field;
        field.header = row.header;
        field.event = row.dbType.value_or(0) == 1;
        field.line = row.line.value_or(0);
        field.left = row.lposition.value_or(0);
        field.right = row.rposition.value_or(0);
        field.leaders = row.leaders;
        field.trailers = row.trailers;
        field.summaries[int(Summary::Total)] = row.total.value_or(false);
        field.summaries[int(Summary::Count)] = row.count.value_or(false);
        field.summaries[int(Summary::Average)] = row.average.value_or(false);
        field.summaries[int(Summary::Max)] = row.maxValue.value_or(false);
        field.summaries[int(Summary::Min)] = row.minValue.value_or(false);
        report.fields.push_back(std::move(field));
    }
    return report;
}

} // namespace preview
