#pragma once

#include <optional>

namespace rules {

// What a contact field holds, as far as its summaries go: text (a logical and
// a memo count as text), a number, a date or a time, or anything else (a blob,
// a graphic, an autoincrement ...), which offers no summary.
enum class ValueKind { Text, Number, Moment, Other };

// The summary check boxes of the Field Definitions page that a field offers.
struct SummaryBoxes {
    bool totaled = false;
    bool counted = false;
    bool averaged = false;
    bool maxValue = false;
    bool minValue = false;

    bool operator==(const SummaryBoxes&) const = default;
};

// By the kind of the CONTACT.DB field of the same name; nullopt when there is
// no such field (event and combination fields as a rule), which offers Counted.
SummaryBoxes SummariesOffered(std::optional<ValueKind> contactKind);

} // namespace rules
