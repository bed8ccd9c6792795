#pragma once

#include <QString>
#include <iterator>
#include <vector>

namespace preview {

// What a field adds up over every block, after the last one.
enum class Summary { Total, Count, Average, Max, Min };
inline constexpr Summary kSummaries[] = {Summary::Total, Summary::Count, Summary::Average, Summary::Max,
                                         Summary::Min};

// One field of the report as the preview lays it out. A field without a line
// or positions has 0 there.
struct PreviewField {
    QString name;    // as stored: a column of CONTACT.DB or EVENT.DB, CustomID, or a combination field
    QString header;
    bool event = false; // a field of EVENT.DB (DbType 1)
    int line = 0;       // from 1
    int left = 0;       // tenths of an inch from the left edge; both ends belong to the field
    int right = 0;
    bool leaders = false;
    bool trailers = false;
    bool summaries[std::size(kSummaries)] = {};

    bool has(Summary summary) const { return summaries[int(summary)]; }
};

// Which events a report shows: none, every event, or those of one type.
enum class EventKind { None, Every, Call, Letter, Meeting, Todo, Note };

// The report as it stands, in plain values: what the preview needs of it.
struct PreviewReport {
    QString description;
    bool dateOrdered = false; // a calendar report: one block per event, by date and time
    EventKind events = EventKind::None;
    int width = 75;           // the printable width, tenths of an inch
    std::vector<PreviewField> fields; // in report order: by line, then as the file lists them
};

} // namespace preview
