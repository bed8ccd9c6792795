#pragma once

#include "rules/SummaryRules.h"
#include "store/engine/FieldType.h"

namespace design::detail {

// What a field of the engine's type holds, as the summary rules see it.
rules::ValueKind ValueKindOf(store::FieldType type);

} // namespace design::detail
