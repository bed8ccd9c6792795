#include "preview/BlockStream.h"

#include "base/Paths.h"
#include "store/engine/IndexOrder.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <limits>
#include <tuple>

namespace preview {

namespace {

// An event in the index: the hash of its link, when it is, and where it is.
struct EventEntry {
    std::uint64_t link = 0;
    std::int64_t stamp = 0; // milliseconds since 1 January of the year 1; undated events last
    std::int64_t seq = 0;   // its place in the table, which keeps events of one moment in order
    px::RecordPlace place;
};

struct ContactEntry {
    std::uint64_t link = 0;
    px::RecordPlace place;
};

std::uint64_t LinkHash(const QString& text)
{
    return std::uint64_t(qHash(text, 0x7ab1e));
}

QString TextAt(const Row& row, int column)
{
    if (column < 0 || std::size_t(column) >= row.size() || row[std::size_t(column)].kind != px::Value::Kind::Text)
        return {};
    return row[std::size_t(column)].text;
}

// The Type of an event of the kind, in any letter case.
QString TypeWord(EventKind kind)
{
    switch (kind) {
    case EventKind::Call: return QStringLiteral("CALL");
    case EventKind::Letter: return QStringLiteral("LETTER");
    case EventKind::Meeting: return QStringLiteral("MEETING");
    case EventKind::Todo: return QStringLiteral("TO-DO");
    case EventKind::Note: return QStringLiteral("NOTE");
    case EventKind::None:
    case EventKind::Every: break;
    }
    return {};
}

std::vector<bool> WithColumn(std::vector<bool> columns, int column)
{
    if (column >= 0 && std::size_t(column) < columns.size())
        columns[std::size_t(column)] = true;
    return columns;
}

} // namespace

struct BlockStream::Impl {
    bool dateOrdered = false;
    std::optional<px::TableFile> contacts;
    std::optional<px::TableFile> events;
    HostColumns columns;
    QStringList notices;
    int contactLink = -1;
    int eventLink = -1;
    bool join = false; // events and contacts are matched through the link
    std::unique_ptr<px::RecordStream> contactStream; // contact-ordered: the contacts in order
    std::unique_ptr<px::RecordStream> contactFetch;  // calendar: contacts read by place
    std::unique_ptr<px::RecordStream> eventFetch;    // events read by place
    std::vector<EventEntry> eventIndex;
    std::vector<ContactEntry> contactIndex;
    Row contactRow;
    Row eventRow;
    bool hasContact = false;
    bool hasEvent = false;
    // A contact-ordered report: the contact read last, its events still to show.
    bool contactLoaded = false;
    bool contactShown = false;
    QString contactLinkText;
    std::size_t candidate = 0;
    std::size_t candidateEnd = 0;
    std::size_t nextEvent = 0;
    std::int64_t rowsRead = 0;
    std::int64_t unlinked = 0;
    // A keyed CONTACT.DB: the key of the contact before, to tell when its blocks are not in key order.
    int keyColumns = 0;
    std::vector<px::Value> lastKey;
    bool outOfKeyOrder = false;

    void checkKeyOrder();

    void indexEvents(EventKind kind);
    void indexContacts();
    bool nextContactBlock();
    bool nextEventBlock();
};

BlockStream::BlockStream(const PreviewReport& report, const QString& directory) : d(std::make_unique<Impl>())
{
    d->dateOrdered = report.dateOrdered;
    const bool anyContactField = std::any_of(report.fields.begin(), report.fields.end(),
                                             [](const PreviewField& f) { return !f.event; });
    const bool anyEventField = std::any_of(report.fields.begin(), report.fields.end(),
                                           [](const PreviewField& f) { return f.event; });
    const bool withEvents = report.dateOrdered || (report.events != EventKind::None && anyEventField);
    if (!report.dateOrdered || anyContactField)
        d->contacts = px::TableFile::open(base::JoinPath(directory, QStringLiteral("CONTACT.DB")));
    if (withEvents)
        d->events = px::TableFile::open(base::JoinPath(directory, QStringLiteral("EVENT.DB")));
    d->columns = ResolveColumns(report, d->contacts ? &d->contacts->header() : nullptr,
                                d->events ? &d->events->header() : nullptr);
    d->notices = d->columns.notices;
    if (d->contacts && d->events && (report.dateOrdered ? d->columns.needsContacts : d->columns.needsEvents)) {
        d->contactLink = ColumnNamed(d->contacts->header(), kLinkColumn);
        d->eventLink = ColumnNamed(d->events->header(), kLinkColumn);
        d->join = d->contactLink >= 0 && d->eventLink >= 0;
        if (!d->join)
            d->notices << QCoreApplication::translate(
                              "Preview", "CONTACT.DB and EVENT.DB share no column %1 that links an event to its "
                                         "contact: the %2 fields stay empty.")
                              .arg(kLinkColumn, report.dateOrdered ? QCoreApplication::translate("Preview", "contact")
                                                                   : QCoreApplication::translate("Preview", "event"));
    }
    if (d->events && (report.dateOrdered || d->join)) {
        d->indexEvents(report.dateOrdered ? EventKind::Every : report.events);
        d->eventFetch = std::make_unique<px::RecordStream>(*d->events, WithColumn(d->columns.eventColumns, d->eventLink));
    }
    if (report.dateOrdered) {
        if (d->join) {
            d->indexContacts();
            d->contactFetch = std::make_unique<px::RecordStream>(
                *d->contacts, WithColumn(d->columns.contactColumns, d->contactLink));
        }
    } else {
        std::vector<bool> wanted = WithColumn(d->columns.contactColumns, d->join ? d->contactLink : -1);
        d->keyColumns = std::min<int>(d->contacts->header().keyFieldCount, int(wanted.size()));
        for (int column = 0; column < d->keyColumns; ++column)
            wanted[std::size_t(column)] = true;
        d->contactStream = std::make_unique<px::RecordStream>(*d->contacts, std::move(wanted));
    }
}

BlockStream::~BlockStream() = default;

void BlockStream::Impl::indexEvents(EventKind kind)
{
    const px::Header& header = events->header();
    const int date = ColumnNamed(header, QStringLiteral("EventDate"));
    const int time = ColumnNamed(header, QStringLiteral("EventTime"));
    const int type = ColumnNamed(header, QStringLiteral("Type"));
    const QString word = TypeWord(kind);
    if (!word.isEmpty() && type < 0)
        notices << QCoreApplication::translate("Preview", "EVENT.DB has no field Type: every event is shown.");
    std::vector<bool> wanted(header.fields.size(), false);
    for (const int column : {date, time, type, eventLink})
        wanted = WithColumn(std::move(wanted), column);
    px::RecordStream stream(*events, std::move(wanted));
    Row row;
    while (stream.next(row)) {
        if (!word.isEmpty() && type >= 0 && TextAt(row, type).trimmed().compare(word, Qt::CaseInsensitive) != 0)
            continue;
        EventEntry entry;
        entry.seq = stream.recordsRead();
        entry.place = stream.place();
        const QString link = TextAt(row, eventLink);
        entry.link = LinkHash(link);
        const px::Value* day = date >= 0 ? &row[std::size_t(date)] : nullptr;
        const px::Value* moment = time >= 0 ? &row[std::size_t(time)] : nullptr;
        entry.stamp = day && day->kind == px::Value::Kind::Date
                          ? day->integer * 86400000
                                + (moment && moment->kind == px::Value::Kind::Time ? moment->integer : 0)
                          : std::numeric_limits<std::int64_t>::max();
        // A contact-ordered report finds a contact's events by its link: an event without one belongs to none.
        if (!dateOrdered && link.isEmpty())
            continue;
        eventIndex.push_back(entry);
    }
    const auto byMoment = [](const EventEntry& a, const EventEntry& b) {
        return std::tie(a.stamp, a.seq) < std::tie(b.stamp, b.seq);
    };
    const auto byLink = [](const EventEntry& a, const EventEntry& b) {
        return std::tie(a.link, a.stamp, a.seq) < std::tie(b.link, b.stamp, b.seq);
    };
    if (dateOrdered)
        std::sort(eventIndex.begin(), eventIndex.end(), byMoment);
    else
        std::sort(eventIndex.begin(), eventIndex.end(), byLink);
}

void BlockStream::Impl::indexContacts()
{
    std::vector<bool> wanted(contacts->header().fields.size(), false);
    px::RecordStream stream(*contacts, WithColumn(std::move(wanted), contactLink));
    Row row;
    while (stream.next(row)) {
        const QString link = TextAt(row, contactLink);
        if (!link.isEmpty())
            contactIndex.push_back({LinkHash(link), stream.place()});
    }
    std::stable_sort(contactIndex.begin(), contactIndex.end(),
                     [](const ContactEntry& a, const ContactEntry& b) { return a.link < b.link; });
}

bool BlockStream::Impl::nextContactBlock()
{
    for (;;) {
        while (contactLoaded && candidate < candidateEnd) {
            eventFetch->readAt(eventIndex[candidate++].place, eventRow);
            if (TextAt(eventRow, eventLink) != contactLinkText)
                continue; // another link of the same hash
            hasEvent = contactShown = true;
            return true;
        }
        if (contactLoaded && !contactShown) {
            hasEvent = false;
            contactShown = true;
            return true;
        }
        if (!contactStream->next(contactRow))
            return false;
        ++rowsRead;
        checkKeyOrder();
        contactLoaded = hasContact = true;
        contactShown = false;
        candidate = candidateEnd = 0;
        if (join) {
            contactLinkText = TextAt(contactRow, contactLink);
            if (!contactLinkText.isEmpty()) {
                const std::uint64_t hash = LinkHash(contactLinkText);
                const auto first = std::lower_bound(eventIndex.begin(), eventIndex.end(), hash,
                                                    [](const EventEntry& e, std::uint64_t h) { return e.link < h; });
                const auto last = std::upper_bound(first, eventIndex.end(), hash,
                                                   [](std::uint64_t h, const EventEntry& e) { return h < e.link; });
                candidate = std::size_t(first - eventIndex.begin());
                candidateEnd = std::size_t(last - eventIndex.begin());
            }
        }
    }
}

// Paradox keeps a keyed table's blocks in key order, and the engine's cursors
// order its rows by the key: rows found out of that order are said to be shown as stored.
void BlockStream::Impl::checkKeyOrder()
{
    if (keyColumns == 0 || outOfKeyOrder)
        return;
    for (int column = 0; column < keyColumns && !lastKey.empty(); ++column) {
        const int c = store::detail::compareValues(lastKey[std::size_t(column)], contactRow[std::size_t(column)], false);
        if (c < 0)
            break;
        if (c > 0) {
            outOfKeyOrder = true;
            notices << QCoreApplication::translate("Preview", "The contacts of CONTACT.DB are not stored in the order "
                                                              "of its key; they are shown as stored.");
            return;
        }
    }
    lastKey.assign(contactRow.begin(), contactRow.begin() + keyColumns);
}

bool BlockStream::Impl::nextEventBlock()
{
    if (nextEvent >= eventIndex.size())
        return false;
    eventFetch->readAt(eventIndex[nextEvent++].place, eventRow);
    ++rowsRead;
    hasEvent = true;
    hasContact = false;
    if (!join)
        return true;
    const QString link = TextAt(eventRow, eventLink);
    if (!link.isEmpty()) {
        const std::uint64_t hash = LinkHash(link);
        auto it = std::lower_bound(contactIndex.begin(), contactIndex.end(), hash,
                                   [](const ContactEntry& e, std::uint64_t h) { return e.link < h; });
        for (; it != contactIndex.end() && it->link == hash && !hasContact; ++it) {
            contactFetch->readAt(it->place, contactRow);
            hasContact = TextAt(contactRow, contactLink) == link;
        }
    }
    if (!hasContact)
        ++unlinked;
    return true;
}

const HostColumns& BlockStream::columns() const
{
    return d->columns;
}

QStringList BlockStream::notices() const
{
    QStringList notices = d->notices;
    if (d->unlinked > 0)
        notices << QCoreApplication::translate("Preview", "Events without a contact in CONTACT.DB: %1; their contact "
                                                          "fields stay empty.")
                       .arg(d->unlinked);
    return notices;
}

bool BlockStream::next()
{
    return d->dateOrdered ? d->nextEventBlock() : d->nextContactBlock();
}

const Row* BlockStream::contact() const
{
    return d->hasContact ? &d->contactRow : nullptr;
}

const Row* BlockStream::event() const
{
    return d->hasEvent ? &d->eventRow : nullptr;
}

std::int64_t BlockStream::rowsRead() const
{
    return d->rowsRead;
}

std::int64_t BlockStream::rowsClaimed() const
{
    if (d->dateOrdered)
        return std::int64_t(d->eventIndex.size());
    return d->contacts ? d->contacts->header().recordCount : 0;
}

} // namespace preview
