#pragma once

#include "store/WorkingColumns.h"
#include "store/report/FieldRow.h"

#include <array>
#include <optional>
#include <variant>

namespace store {

// How one line of a field record is written and read.
enum class RecordLineKind {
    Number, // decimal whole number; an empty line is no value
    Dots,   // thirty full stops when set, an empty line when clear
    Text,   // as the working table holds it
    Flag,   // "TRUE" or "FALSE"
};

// A line of a field record: the working table's column it is loaded into, how
// it is written, and the member of a FieldRow that holds it.
struct RecordLine {
    WorkingColumn column;
    RecordLineKind kind;
    std::variant<std::optional<int> FieldRow::*, bool FieldRow::*, QString FieldRow::*, std::optional<bool> FieldRow::*>
        member;
};

// The thirteen lines of a field record, in file order: the one description of
// the record that the reader reads by and the writer writes by.
inline constexpr std::array<RecordLine, 13> kRecordLines = {{
    {WorkingColumn::DbType, RecordLineKind::Number, &FieldRow::dbType},
    {WorkingColumn::LDots, RecordLineKind::Dots, &FieldRow::leaders},
    {WorkingColumn::RDots, RecordLineKind::Dots, &FieldRow::trailers},
    {WorkingColumn::Header, RecordLineKind::Text, &FieldRow::header},
    {WorkingColumn::Field, RecordLineKind::Text, &FieldRow::field},
    {WorkingColumn::Line, RecordLineKind::Number, &FieldRow::line},
    {WorkingColumn::LPosition, RecordLineKind::Number, &FieldRow::lposition},
    {WorkingColumn::RPosition, RecordLineKind::Number, &FieldRow::rposition},
    {WorkingColumn::Total, RecordLineKind::Flag, &FieldRow::total},
    {WorkingColumn::Count, RecordLineKind::Flag, &FieldRow::count},
    {WorkingColumn::Average, RecordLineKind::Flag, &FieldRow::average},
    {WorkingColumn::Min, RecordLineKind::Flag, &FieldRow::minValue},
    {WorkingColumn::Max, RecordLineKind::Flag, &FieldRow::maxValue},
}};

// Each kind of line is held by a member of one type: the variant's alternative
// in the order of RecordLineKind.
constexpr bool KindsMatchMembers()
{
    for (const RecordLine& line : kRecordLines)
        if (line.member.index() != std::size_t(line.kind))
            return false;
    return true;
}
static_assert(KindsMatchMembers(), "a record line's kind names the type of the member that holds it");

inline constexpr char kDotLine[] = "..............................";
static_assert(sizeof(kDotLine) == 31, "a dot line is thirty full stops");

} // namespace store
