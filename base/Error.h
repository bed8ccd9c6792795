#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <exception>
#include <new>

namespace base {

// A failure that the user is told of in its own words: the window's error guard
// and the terminal tools catch this and show text() as it stands.
class Error : public std::exception {
public:
    explicit Error(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& text() const noexcept { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};

// A file that could not be opened, read, listed or written, or that holds
// what no file of its kind can; the text names the file.
class FileError : public Error {
public:
    using Error::Error;
};

// The words for a failure: an Error in its own words, any other in general ones.
inline QString FailureText(const std::exception& failure)
{
    if (const auto* error = dynamic_cast<const Error*>(&failure))
        return error->text();
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return QCoreApplication::translate("ErrorGuard", "There was not enough memory to finish this action.");
    return QCoreApplication::translate("ErrorGuard",
                                       "This action could not be finished because of an unexpected failure.");
}

} // namespace base
