#include "design/detail/ValueKinds.h"
#include "rules/SummaryRules.h"

#include <gtest/gtest.h>

using namespace rules;
using store::FieldType;

// The engine's type of a contact field, through its kind, to the summaries offered.
TEST(SummaryKinds, OffersTheSummariesOfTheContactFieldType)
{
    struct Case {
        std::optional<FieldType> type;
        SummaryBoxes expected; // totaled, counted, averaged, max, min
    };
    const SummaryBoxes none{false, false, false, false, false};
    const SummaryBoxes countOnly{false, true, false, false, false};
    const SummaryBoxes all{true, true, true, true, true};
    const SummaryBoxes dates{false, true, false, true, true};
    const Case cases[] = {
        {std::nullopt, countOnly},
        {FieldType::ftString, countOnly},        {FieldType::ftBoolean, countOnly},
        {FieldType::ftMemo, countOnly},          {FieldType::ftSmallint, all},
        {FieldType::ftInteger, all},             {FieldType::ftWord, all},
        {FieldType::ftFloat, all},               {FieldType::ftCurrency, all},
        {FieldType::ftBytes, all},               {FieldType::ftVarBytes, all},
        {FieldType::ftDate, dates},              {FieldType::ftTime, dates},
        {FieldType::ftDateTime, dates},          {FieldType::ftUnknown, none},
        {FieldType::ftBCD, none},                {FieldType::ftAutoInc, none},
        {FieldType::ftBlob, none},               {FieldType::ftGraphic, none},
        {FieldType::ftFmtMemo, none},            {FieldType::ftParadoxOle, none},
        {FieldType::ftDBaseOle, none},           {FieldType::ftTypedBinary, none},
        {FieldType::ftCursor, none},
    };
    for (const Case& c : cases) {
        const SummaryBoxes offered =
            SummariesOffered(c.type ? std::optional(design::detail::ValueKindOf(*c.type)) : std::nullopt);
        EXPECT_EQ(offered, c.expected) << "type " << (c.type ? static_cast<int>(*c.type) : -1);
    }
}
