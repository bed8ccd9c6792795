#pragma once

#include "store/WorkingTable.h"

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
    WorkingColumn column; // the working table's column it is loaded into
    RecordLineKind kind;
};

// The thirteen lines of a field record, in file order.
inline constexpr std::array<RecordLine, 13> kRecordLines = {{
    {WorkingColumn::DbType, RecordLineKind::Number},
    {WorkingColumn::LDots, RecordLineKind::Dots},
    {WorkingColumn::RDots, RecordLineKind::Dots},
    {WorkingColumn::Header, RecordLineKind::Text},
    {WorkingColumn::Field, RecordLineKind::Text},
    {WorkingColumn::Line, RecordLineKind::Number},
    {WorkingColumn::LPosition, RecordLineKind::Number},
    {WorkingColumn::RPosition, RecordLineKind::Number},
    {WorkingColumn::Total, RecordLineKind::Flag},
    {WorkingColumn::Count, RecordLineKind::Flag},
    {WorkingColumn::Average, RecordLineKind::Flag},
    {WorkingColumn::Min, RecordLineKind::Flag},
    {WorkingColumn::Max, RecordLineKind::Flag},
}};

inline constexpr char kDotLine[] = "..............................";
static_assert(sizeof(kDotLine) == 31, "a dot line is thirty full stops");

} // namespace store
