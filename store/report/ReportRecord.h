#pragma once

#include <array>

namespace store {

// How one line of a field record is written and read.
enum class RecordLineKind {
    Number, // decimal whole number; an empty line is no value
    Dots,   // thirty full stops when set, an empty line when clear
    Text,   // as the working table holds it
    Flag,   // "TRUE" or "FALSE"
};

struct RecordLine {
    const char* column; // the working table's column
    RecordLineKind kind;
};

// The thirteen lines of a field record, in file order.
inline constexpr std::array<RecordLine, 13> kRecordLines = {{
    {"DbType", RecordLineKind::Number},
    {"LDots", RecordLineKind::Dots},
    {"RDots", RecordLineKind::Dots},
    {"Header", RecordLineKind::Text},
    {"Field", RecordLineKind::Text},
    {"Line", RecordLineKind::Number},
    {"LPosition", RecordLineKind::Number},
    {"RPosition", RecordLineKind::Number},
    {"Total", RecordLineKind::Flag},
    {"Count", RecordLineKind::Flag},
    {"Average", RecordLineKind::Flag},
    {"Min", RecordLineKind::Flag},
    {"Max", RecordLineKind::Flag},
}};

inline constexpr char kDotLine[] = "..............................";
static_assert(sizeof(kDotLine) == 31, "a dot line is thirty full stops");

} // namespace store
