#include "rules/EventFieldMap.h"

#include <QCoreApplication>

#include <span>

namespace rules {

namespace {

struct EventField {
    const char* fieldName;   // as EVENT.DB and the report files name it
    const char* displayName; // in English; shown in the user's language
};

constexpr EventField kGeneric[] = {
    {"EventDate", QT_TRANSLATE_NOOP("EventFields", "Event date")},
    {"EventTime", QT_TRANSLATE_NOOP("EventFields", "Event time")},
    {"Type", QT_TRANSLATE_NOOP("EventFields", "Event type")},
    {"Summary", QT_TRANSLATE_NOOP("EventFields", "Event subject")},
    {"Elapsed", QT_TRANSLATE_NOOP("EventFields", "Elapsed time")},
    {"Status", QT_TRANSLATE_NOOP("EventFields", "Event status")},
    {"Duration", QT_TRANSLATE_NOOP("EventFields", "Event duration")},
    {"Memo", QT_TRANSLATE_NOOP("EventFields", "Event notes")},
    {"Completed", QT_TRANSLATE_NOOP("EventFields", "Is completed")},
    {"AlarmTime", QT_TRANSLATE_NOOP("EventFields", "Alarm time")},
    {"AlarmLead", QT_TRANSLATE_NOOP("EventFields", "Alarm lead time")},
};

constexpr EventField kCall[] = {
    {"EventDate", QT_TRANSLATE_NOOP("EventFields", "Phone call date")},
    {"EventTime", QT_TRANSLATE_NOOP("EventFields", "Phone call time")},
    {"Summary", QT_TRANSLATE_NOOP("EventFields", "Phone call subject")},
    {"Elapsed", QT_TRANSLATE_NOOP("EventFields", "Elapsed time")},
    {"Memo", QT_TRANSLATE_NOOP("EventFields", "Phone call notes")},
    {"Completed", QT_TRANSLATE_NOOP("EventFields", "Is completed")},
    {"AlarmTime", QT_TRANSLATE_NOOP("EventFields", "Alarm time")},
    {"AlarmLead", QT_TRANSLATE_NOOP("EventFields", "Alarm lead time")},
};

constexpr EventField kLetter[] = {
    {"EventDate", QT_TRANSLATE_NOOP("EventFields", "Letter date")},
    {"EventTime", QT_TRANSLATE_NOOP("EventFields", "Letter time")},
    {"Summary", QT_TRANSLATE_NOOP("EventFields", "Letter subject")},
    {"Status", QT_TRANSLATE_NOOP("EventFields", "Letter status")},
    {"TemplateName", QT_TRANSLATE_NOOP("EventFields", "Template name used")},
    {"Memo", QT_TRANSLATE_NOOP("EventFields", "Letter notes")},
    {"Completed", QT_TRANSLATE_NOOP("EventFields", "Is completed")},
    {"AlarmTime", QT_TRANSLATE_NOOP("EventFields", "Alarm time")},
    {"AlarmLead", QT_TRANSLATE_NOOP("EventFields", "Alarm lead time")},
};

constexpr EventField kMeeting[] = {
    {"EventDate", QT_TRANSLATE_NOOP("EventFields", "Meeting date")},
    {"EventTime", QT_TRANSLATE_NOOP("EventFields", "Meeting time")},
    {"Summary", QT_TRANSLATE_NOOP("EventFields", "Meeting subject")},
    {"Where", QT_TRANSLATE_NOOP("EventFields", "Meeting location")},
    {"Memo", QT_TRANSLATE_NOOP("EventFields", "Meeting notes")},
    {"Duration", QT_TRANSLATE_NOOP("EventFields", "Meeting duration")},
    {"Completed", QT_TRANSLATE_NOOP("EventFields", "Is completed")},
    {"AlarmTime", QT_TRANSLATE_NOOP("EventFields", "Alarm time")},
    {"AlarmLead", QT_TRANSLATE_NOOP("EventFields", "Alarm lead time")},
};

constexpr EventField kTodo[] = {
    {"EventDate", QT_TRANSLATE_NOOP("EventFields", "To-do date")},
    {"EventTime", QT_TRANSLATE_NOOP("EventFields", "To-do time")},
    {"Summary", QT_TRANSLATE_NOOP("EventFields", "To-do subject")},
    {"Memo", QT_TRANSLATE_NOOP("EventFields", "To-do notes")},
    {"Completed", QT_TRANSLATE_NOOP("EventFields", "Is completed")},
    {"AlarmTime", QT_TRANSLATE_NOOP("EventFields", "Alarm time")},
    {"AlarmLead", QT_TRANSLATE_NOOP("EventFields", "Alarm lead time")},
};

constexpr EventField kNote[] = {
    {"EventDate", QT_TRANSLATE_NOOP("EventFields", "Note Date")},
    {"EventTime", QT_TRANSLATE_NOOP("EventFields", "Note Time")},
    {"Memo", QT_TRANSLATE_NOOP("EventFields", "Notes")},
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

QString Shown(const EventField& entry)
{
    return QCoreApplication::translate("EventFields", entry.displayName);
}

} // namespace

QString GetEventDisplayName(const QString& category, const QString& fieldName)
{
    for (const EventField& entry : TableOf(category))
        if (fieldName == QLatin1StringView(entry.fieldName))
            return Shown(entry);
    return fieldName;
}

QString GetEventFieldName(const QString& category, const QString& displayName)
{
    for (const EventField& entry : TableOf(category))
        if (displayName == Shown(entry))
            return QString::fromLatin1(entry.fieldName);
    return displayName;
}

void FillEventFieldList(const QString& category, QStringList& list)
{
    list.clear();
    for (const EventField& entry : TableOf(category))
        list.append(Shown(entry));
}

} // namespace rules
