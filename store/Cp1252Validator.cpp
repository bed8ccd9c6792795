#include "Cp1252Validator.h"

#include "Cp1252.h"

namespace store {

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return EncodeCp1252(input) ? Acceptable : Invalid;
}

} // namespace store
