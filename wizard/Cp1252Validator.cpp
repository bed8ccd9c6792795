#include "Cp1252Validator.h"

#include "Cp1252.h"

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    for (QChar c : input)
        if (c.unicode() < 32)
            return Invalid;
    return store::EncodeCp1252(input) ? Acceptable : Invalid;
}
