#pragma once

#include "preview/HostColumns.h"
#include "preview/PreviewReport.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

namespace preview {

// The name of the column that links an event to its contact in both tables.
inline const QString kLinkColumn = QStringLiteral("CustomID");

// The blocks of a report in their order, each a contact and an event (either
// may be missing), read from CONTACT.DB and EVENT.DB as a stream:
// - a contact-ordered report: every contact in the table's order (a keyed
//   table's blocks are in key order); when the report shows event fields, one
//   block for each of the contact's events of the category by date and time,
//   and one with the event fields empty for a contact without such events;
// - a calendar report: every event of the category by date and time, each with
//   its contact.
// Events are found through the link column the tables share; only small index
// entries (a hash of the link, the date and time, the record's place) are held,
// never the rows, so memory stays a few bytes a row on a table of millions.
// Opening throws base::EngineError naming a table that cannot be read.
class BlockStream {
public:
    BlockStream(const PreviewReport& report, const QString& directory);
    ~BlockStream();
    BlockStream(const BlockStream&) = delete;
    BlockStream& operator=(const BlockStream&) = delete;

    const HostColumns& columns() const;
    // What the reader should know: no link between the tables, events without a contact.
    QStringList notices() const;

    // Moves to the next block; false after the last. Throws base::EngineError on a corrupt table.
    bool next();
    const Row* contact() const; // null when the block has none
    const Row* event() const;

    // Progress: rows of the table the blocks follow read so far, and what its header counts.
    std::int64_t rowsRead() const;
    std::int64_t rowsClaimed() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace preview
