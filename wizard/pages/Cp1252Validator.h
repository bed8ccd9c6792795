#pragma once

#include <QValidator>

namespace wizard {

// Accepts only text that Windows-1252, the character set of the report files,
// can hold; anything else is refused as it is typed or pasted.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace wizard
