#pragma once

#include <QValidator>

// Lets an edit hold only characters that Windows-1252, the host's character
// set, can store: what is typed there ends up in a report file.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
