#pragma once

#include <QByteArray>
#include <QString>
#include <iconv.h>

namespace px {

// 8-bit text of a table in its DOS or Windows code page. An unknown code page
// (or 0, which older tables carry) falls back to Windows-1252; a byte the code
// page does not define reads as the Latin-1 character of the same number.
// Decoding never fails.
class TextCodec {
public:
    explicit TextCodec(int codePage);
    ~TextCodec();
    TextCodec(const TextCodec&) = delete;
    TextCodec& operator=(const TextCodec&) = delete;

    QString decode(const char* data, qsizetype size) const;
    // At most maxBytes bytes, never splitting a character; characters the
    // code page cannot hold become '?'.
    QByteArray encode(const QString& text, qsizetype maxBytes) const;

private:
    // Character by character through the converter.
    QByteArray encodeEach(const QString& text, qsizetype maxBytes) const;

    iconv_t toUtf8_ = iconv_t(-1);
    iconv_t fromUtf8_ = iconv_t(-1);
    bool asciiKept_ = false; // the code page stores ASCII text as it is
};

} // namespace px
