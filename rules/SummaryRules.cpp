#include "rules/SummaryRules.h"

namespace rules {

SummaryBoxes SummariesOffered(std::optional<ValueKind> contactKind)
{
    constexpr SummaryBoxes countOnly{false, true, false, false, false};
    constexpr SummaryBoxes all{true, true, true, true, true};
    constexpr SummaryBoxes extremes{false, true, false, true, true};
    if (!contactKind)
        return countOnly;
    switch (*contactKind) {
    case ValueKind::Text: return countOnly;
    case ValueKind::Number: return all;
    case ValueKind::Moment: return extremes;
    case ValueKind::Other: return {};
    }
    return {};
}

} // namespace rules
