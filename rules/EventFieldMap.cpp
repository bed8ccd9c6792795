#include "rules/EventFieldMap.h"

#include <span>

namespace rules {

namespace {

struct EventField {
    const char* fieldName;
    const char* displayName;
};

constexpr EventField kGeneric[] = {
    {"EventDate", "Event date"},
    {"EventTime", "Event time"},
    {"Type", "Event type"},
    {"Summary", "Event subject"},
    {"Elapsed", "Elapsed time"},
    {"Status", "Event status"},
    {"Duration", "Event duration"},
    {"Memo", "Event notes"},
    {"Completed", "Is completed"},
    {"AlarmTime", "Alarm time"},
    {"AlarmLead", "Alarm lead time"},
};

constexpr EventField kCall[] = {
    {"EventDate", "Phone call date"},
    {"EventTime", "Phone call time"},
    {"Summary", "Phone call subject"},
    {"Elapsed", "Elapsed time"},
    {"Memo", "Phone call notes"},
    {"Completed", "Is completed"},
    {"AlarmTime", "Alarm time"},
    {"AlarmLead", "Alarm lead time"},
};

constexpr EventField kLetter[] = {
    {"EventDate", "Letter date"},
    {"EventTime", "Letter time"},
    {"Summary", "Letter subject"},
    {"Status", "Letter status"},
    {"TemplateName", "Template name used"},
    {"Memo", "Letter notes"},
    {"Completed", "Is completed"},
    {"AlarmTime", "Alarm time"},
    {"AlarmLead", "Alarm lead time"},
};

constexpr EventField kMeeting[] = {
    {"EventDate", "Meeting date"},
    {"EventTime", "Meeting time"},
    {"Summary", "Meeting subject"},
    {"Where", "Meeting location"},
    {"Memo", "Meeting notes"},
    {"Duration", "Meeting duration"},
    {"Completed", "Is completed"},
    {"AlarmTime", "Alarm time"},
    {"AlarmLead", "Alarm lead time"},
};

constexpr EventField kTodo[] = {
    {"EventDate", "To-do date"},
    {"EventTime", "To-do time"},
    {"Summary", "To-do subject"},
    {"Memo", "To-do notes"},
    {"Completed", "Is completed"},
    {"AlarmTime", "Alarm time"},
    {"AlarmLead", "Alarm lead time"},
};

constexpr EventField kNote[] = {
    {"EventDate", "Note Date"},
    {"EventTime", "Note Time"},
    {"Memo", "Notes"},
};

std::span<const EventField> TableOf(const QString& category)
{
    if (category == QLatin1StringView("CALL"))
        return kCall;
    if (category == QLatin1StringView("MEETING"))
        return kMeeting;
    if (category == QLatin1StringView("TO-DO"))
        return kTodo;
    if (category == QLatin1StringView("LETTER"))
        return kLetter;
    if (category == QLatin1StringView("NOTE"))
        return kNote;
    if (category == QLatin1StringView("GENERIC"))
        return kGeneric;
    return {};
}

} // namespace

QString GetEventDisplayName(const QString& category, const QString& fieldName)
{
    for (const EventField& entry : TableOf(category))
        if (fieldName == QLatin1StringView(entry.fieldName))
            return QString::fromLatin1(entry.displayName);
    return fieldName;
}

QString GetEventFieldName(const QString& category, const QString& displayName)
{
    for (const EventField& entry : TableOf(category))
        if (displayName == QLatin1StringView(entry.displayName))
            return QString::fromLatin1(entry.fieldName);
    return displayName;
}

void FillEventFieldList(const QString& category, QStringList& list)
{
    list.clear();
    for (const EventField& entry : TableOf(category))
        list.append(QString::fromLatin1(entry.displayName));
}

} // namespace rules
