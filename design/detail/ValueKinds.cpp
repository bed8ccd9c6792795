#include "design/detail/ValueKinds.h"

namespace design::detail {

rules::ValueKind ValueKindOf(store::FieldType type)
{
    using store::FieldType;
    using rules::ValueKind;
    switch (type) {
    case FieldType::ftString:
    case FieldType::ftBoolean:
    case FieldType::ftMemo:
        return ValueKind::Text;
    case FieldType::ftSmallint:
    case FieldType::ftInteger:
    case FieldType::ftWord:
    case FieldType::ftFloat:
    case FieldType::ftCurrency:
    case FieldType::ftBytes:
    case FieldType::ftVarBytes:
        return ValueKind::Number;
    case FieldType::ftDate:
    case FieldType::ftTime:
    case FieldType::ftDateTime:
        return ValueKind::Moment;
    default:
        return ValueKind::Other;
    }
}

} // namespace design::detail
