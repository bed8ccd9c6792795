#include "rules/SummaryRules.h"

namespace rules {

SummaryBoxes SummariesOffered(std::optional<store::FieldType> contactType)
{
    constexpr SummaryBoxes countOnly{false, true, false, false, false};
    constexpr SummaryBoxes all{true, true, true, true, true};
    constexpr SummaryBoxes extremes{false, true, false, true, true};
    if (!contactType)
        return countOnly;

    using store::FieldType;
    switch (*contactType) {
    case FieldType::ftString:
    case FieldType::ftBoolean:
    case FieldType::ftMemo:
        return countOnly;
    case FieldType::ftSmallint:
    case FieldType::ftInteger:
    case FieldType::ftWord:
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
    case FieldType::ftBytes:
    case FieldType::ftVarBytes:
        return all;
    case FieldType::ftDate:
    case FieldType::ftTime:
    case FieldType::ftDateTime:
        return extremes;
    default:
        return {};
    }
}

} // namespace rules
