#include "rules/SummaryRules.h"

#include <gtest/gtest.h>

using namespace rules;

TEST(SummaryRules, OffersTheSummariesOfTheValueKind)
{
    const std::pair<std::optional<ValueKind>, SummaryBoxes> cases[] = {
        {std::nullopt, {false, true, false, false, false}},
        {ValueKind::Text, {false, true, false, false, false}},
        {ValueKind::Number, {true, true, true, true, true}},
        {ValueKind::Moment, {false, true, false, true, true}},
        {ValueKind::Other, {false, false, false, false, false}},
    };
    for (const auto& [kind, expected] : cases)
        EXPECT_EQ(SummariesOffered(kind), expected) << (kind ? int(*kind) : -1);
}
