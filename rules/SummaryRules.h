#pragma once

#include "store/engine/FieldType.h"

#include <optional>

namespace rules {

// The summary check boxes of the Field Definitions page that a field offers.
struct SummaryBoxes {
    bool totaled = false;
    bool counted = false;
    bool averaged = false;
    bool maxValue = false;
    bool minValue = false;

    bool operator==(const SummaryBoxes&) const = default;
};

// By the type of the CONTACT.DB field of the same name; nullopt when there is
// no such field (event and combination fields as a rule), which offers Counted.
SummaryBoxes SummariesOffered(std::optional<store::FieldType> contactType);

} // namespace rules
