#include "wizard/pages/Cp1252Validator.h"

#include "store/report/Cp1252.h"

namespace wizard {

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return store::EncodeCp1252(input) ? Acceptable : Invalid;
}

} // namespace wizard
