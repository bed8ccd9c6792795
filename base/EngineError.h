#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace base {

// The one exception type of the program: the table engine and file input/output
// throw it with the text the user is shown. The window's error guard catches it.
class EngineError : public std::exception {
public:
    explicit EngineError(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};

} // namespace base
