#include "tools/demodata/EventTable.h"

#include "tools/demodata/ContactTable.h"
#include "tools/demodata/Random.h"
#include "tools/demodata/TableFields.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <algorithm>
#include <utility>

namespace demo {

namespace {

using px::Value;

enum class Kind { Call, Letter, Meeting, Todo, Note };

struct KindTexts {
    Kind kind;
    QString type;
    std::vector<QString> subjects;
    std::vector<QString> memos;
};

const std::vector<KindTexts>& kinds()
{
    static const std::vector<KindTexts> list = {
        {Kind::Call, QStringLiteral("Call"),
         {QStringLiteral("Follow-up on quote"), QStringLiteral("Renewal reminder"), QStringLiteral("Order status"),
          QStringLiteral("Introductory call"), QStringLiteral("Support question")},
         {QStringLiteral("Left a message."), QStringLiteral("Wants the revised quote by Friday; pricing for 200 units "
                                                            "with the extended warranty."),
          QStringLiteral("Happy with the last delivery. Asked about the new product line and volume discounts.")}},
        {Kind::Letter, QStringLiteral("Letter"),
         {QStringLiteral("Thank-you letter"), QStringLiteral("Price list"), QStringLiteral("Renewal notice"),
          QStringLiteral("Welcome package")},
         {QStringLiteral("Sent by mail and e-mail."), QStringLiteral("Enclosed the spring catalogue and the "
                                                                     "updated terms of sale.")}},
        {Kind::Meeting, QStringLiteral("Meeting"),
         {QStringLiteral("Quarterly review"), QStringLiteral("Product demonstration"), QStringLiteral("Lunch meeting"),
          QStringLiteral("Contract negotiation")},
         {QStringLiteral("Bring the sample kit."), QStringLiteral("Agenda: open issues, next year's volumes, "
                                                                  "delivery schedule, training for their staff.")}},
        {Kind::Todo, QStringLiteral("To-do"),
         {QStringLiteral("Prepare proposal"), QStringLiteral("Send invoice copy"), QStringLiteral("Update address"),
          QStringLiteral("Book trade show booth")},
         {QStringLiteral("High priority."), QStringLiteral("Check with accounting before sending anything.")}},
        {Kind::Note, QStringLiteral("Note"),
         {QStringLiteral("Note"), QStringLiteral("Personal note")},
         {QStringLiteral("Daughter graduates in June."), QStringLiteral("Changed jobs within the company; new "
                                                                        "direct line to follow.")}},
    };
    return list;
}

const std::vector<QString>& meetingPlaces()
{
    static const std::vector<QString> list = {
        QStringLiteral("Conference room B"), QStringLiteral("Their office"), QStringLiteral("Downtown Marriott"),
        QString::fromUtf8("Rosie's Café"), QStringLiteral("Video call"),
    };
    return list;
}

const std::vector<QString>& letterTemplates()
{
    static const std::vector<QString> list = {
        QStringLiteral("THANKYOU.TPL"), QStringLiteral("PRICES.TPL"), QStringLiteral("RENEWAL.TPL"),
        QStringLiteral("WELCOME.TPL"),
    };
    return list;
}

// Working days of the first half of 2024, office hours in quarters of an hour, in order.
std::vector<std::pair<QDate, QTime>> eventTimes(Random& random)
{
    std::vector<std::pair<QDate, QTime>> times;
    while (static_cast<int>(times.size()) < DemoEventCount) {
        const QDate date = QDate(2024, 1, 2).addDays(random.below(180));
        if (date.dayOfWeek() > 5)
            continue;
        times.emplace_back(date, QTime(random.between(8, 16), 15 * random.below(4)));
    }
    std::sort(times.begin(), times.end());
    return times;
}

// The CustomIDs of the contacts the events belong to.
std::vector<QString> linkedContacts(int contactCount)
{
    std::vector<QString> ids;
    ContactGenerator contacts;
    for (int i = 0; i < std::min(contactCount, 12); ++i)
        ids.push_back(contacts.next()[contactcol::CustomID].text);
    return ids;
}

void fillKindFields(std::vector<Value>& record, Kind kind, bool completed, Random& random)
{
    namespace e = eventcol;
    switch (kind) {
    case Kind::Call:
        record[e::Elapsed] = timeValue(QTime(0, random.between(1, 45), random.below(60)));
        record[e::Status] = Value::ofText(completed ? QStringLiteral("Done") : QStringLiteral("Open"));
        break;
    case Kind::Letter:
        record[e::TemplateName] = Value::ofText(random.pick(letterTemplates()));
        record[e::Status] = Value::ofText(completed ? QStringLiteral("Sent") : QStringLiteral("Draft"));
        break;
    case Kind::Meeting:
        record[e::Where] = Value::ofText(random.pick(meetingPlaces()));
        record[e::Duration] = Value::ofInteger(random.pick(std::vector<int>{30, 45, 60, 90, 120}));
        record[e::Status] = Value::ofText(completed ? QStringLiteral("Held") : QStringLiteral("Scheduled"));
        break;
    case Kind::Todo:
        record[e::Status] = Value::ofText(completed ? QStringLiteral("Done") : QStringLiteral("Open"));
        break;
    case Kind::Note:
        break;
    }
}

} // namespace

px::TableDefinition eventTableDefinition()
{
    px::TableDefinition definition;
    definition.fields = {
        longField(QStringLiteral("EventID")),
        alphaField(QStringLiteral("CustomID"), 10),
        dateField(QStringLiteral("EventDate")),
        timeField(QStringLiteral("EventTime")),
        alphaField(QStringLiteral("Type"), 10),
        alphaField(QStringLiteral("Summary"), 60),
        timeField(QStringLiteral("Elapsed")),
        alphaField(QStringLiteral("Status"), 12),
        longField(QStringLiteral("Duration")),
        alphaField(QStringLiteral("Where"), 40),
        alphaField(QStringLiteral("TemplateName"), 40),
        logicalField(QStringLiteral("Completed")),
        timeField(QStringLiteral("AlarmTime")),
        shortField(QStringLiteral("AlarmLead")),
        memoField(QStringLiteral("Memo"), 40),
    };
    return definition;
}

std::vector<std::vector<Value>> eventRecords(int contactCount)
{
    namespace e = eventcol;
    Random random(0xE7E47);
    const std::vector<QString> contacts = linkedContacts(contactCount);
    std::vector<std::vector<Value>> records;
    int number = 0;
    for (const auto& [date, time] : eventTimes(random)) {
        const KindTexts& kind = random.pick(kinds());
        const bool completed = date < QDate(2024, 4, 1) ? random.chance(85) : random.chance(20);
        std::vector<Value> record(e::Count);
        record[e::EventID] = Value::ofInteger(++number);
        if (!contacts.empty())
            record[e::CustomID] = Value::ofText(random.pick(contacts));
        record[e::EventDate] = dateValue(date);
        record[e::EventTime] = timeValue(time);
        record[e::Type] = Value::ofText(kind.type);
        record[e::Summary] = Value::ofText(random.pick(kind.subjects));
        fillKindFields(record, kind.kind, completed, random);
        record[e::Completed] = Value::ofBoolean(completed);
        if (kind.kind != Kind::Note && random.chance(40)) {
            const int lead = random.pick(std::vector<int>{5, 10, 15, 30, 60});
            record[e::AlarmTime] = timeValue(time.addSecs(-60 * lead));
            record[e::AlarmLead] = Value::ofInteger(lead);
        }
        if (random.chance(70))
            record[e::Memo] = Value::ofText(random.pick(kind.memos));
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace demo
