#pragma once

#include <QString>
#include <optional>

namespace store {

// One field of a report as the working table holds it and a report file
// writes it, in typed values: a number without a value is written as an empty
// line, a flag without one as "FALSE".
struct FieldRow {
    QString field;
    int order = 0;
    QString header;
    bool leaders = false;
    bool trailers = false;
    std::optional<bool> total;
    std::optional<bool> count;
    std::optional<bool> average;
    std::optional<bool> minValue;
    std::optional<bool> maxValue;
    std::optional<int> dbType; // 0 a contact field, 1 an event field
    std::optional<int> line;
    std::optional<int> lposition;
    std::optional<int> rposition;

    friend bool operator==(const FieldRow&, const FieldRow&) = default;
};

// The flags of a field that the field-definitions page edits.
enum class FieldFlag { Leaders, Trailers, Count, Max, Min, Total, Average };

// Whether the flag is set; one without a value is not.
inline bool IsSet(const FieldRow& row, FieldFlag flag)
{
    switch (flag) {
    case FieldFlag::Leaders: return row.leaders;
    case FieldFlag::Trailers: return row.trailers;
    case FieldFlag::Count: return row.count.value_or(false);
    case FieldFlag::Max: return row.maxValue.value_or(false);
    case FieldFlag::Min: return row.minValue.value_or(false);
    case FieldFlag::Total: return row.total.value_or(false);
    case FieldFlag::Average: return row.average.value_or(false);
    }
    return false;
}

// Sets or clears the flag.
inline void SetFlag(FieldRow& row, FieldFlag flag, bool on)
{
    switch (flag) {
    case FieldFlag::Leaders: row.leaders = on; return;
    case FieldFlag::Trailers: row.trailers = on; return;
    case FieldFlag::Count: row.count = on; return;
    case FieldFlag::Max: row.maxValue = on; return;
    case FieldFlag::Min: row.minValue = on; return;
    case FieldFlag::Total: row.total = on; return;
    case FieldFlag::Average: row.average = on; return;
    }
}

} // namespace store
