#include "store/paradox/PxCodePage.h"

#include <QList>
#include <algorithm>
#include <cerrno>

namespace px {

namespace {

QByteArray iconvName(int codePage) { return "CP" + QByteArray::number(codePage); }

// Opens a converter for the table's code page, Windows-1252 when iconv does not know it.
iconv_t openConverter(int codePage, bool toUtf8)
{
    for (int cp : {codePage, 1252}) {
        if (cp <= 0)
            continue;
        const QByteArray name = iconvName(cp);
        iconv_t cd = toUtf8 ? iconv_open("UTF-8", name.constData()) : iconv_open(name.constData(), "UTF-8");
        if (cd != iconv_t(-1))
            return cd;
    }
    return iconv_t(-1);
}

QString latin1(const char* data, qsizetype size) { return QString::fromLatin1(data, size); }

// True when the converter turns every ASCII character into the same single byte
// (without one, text is stored as Latin-1, which keeps ASCII too).
bool keepsAscii(iconv_t fromUtf8)
{
    if (fromUtf8 == iconv_t(-1))
        return true;
    char ascii[0x80];
    for (int c = 0; c < 0x80; ++c)
        ascii[c] = char(c);
    char converted[0x80 * 4];
    char* in = ascii;
    size_t inLeft = sizeof ascii;
    char* out = converted;
    size_t outLeft = sizeof converted;
    iconv(fromUtf8, nullptr, nullptr, nullptr, nullptr);
    const bool whole = iconv(fromUtf8, &in, &inLeft, &out, &outLeft) != size_t(-1)
                       && iconv(fromUtf8, nullptr, nullptr, &out, &outLeft) != size_t(-1);
    return whole && out - converted == qsizetype(sizeof ascii) && std::equal(ascii, ascii + sizeof ascii, converted);
}

} // namespace

TextCodec::TextCodec(int codePage)
    : toUtf8_(openConverter(codePage, true))
    , fromUtf8_(openConverter(codePage, false))
{
    asciiKept_ = keepsAscii(fromUtf8_);
}

TextCodec::~TextCodec()
{
    if (toUtf8_ != iconv_t(-1))
        iconv_close(toUtf8_);
    if (fromUtf8_ != iconv_t(-1))
        iconv_close(fromUtf8_);
}

QString TextCodec::decode(const char* data, qsizetype size) const
{
    if (toUtf8_ == iconv_t(-1))
        return latin1(data, size);
    iconv(toUtf8_, nullptr, nullptr, nullptr, nullptr);
    QString result;
    char* in = const_cast<char*>(data);
    size_t inLeft = size_t(size);
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(toUtf8_, &in, &inLeft, &out, &outLeft);
        result += QString::fromUtf8(buffer, out - buffer);
        if (rc != size_t(-1))
            break;
        if (errno == E2BIG)
            continue;
        // An undefined byte or a broken multibyte sequence: take one byte as Latin-1.
        result += latin1(in, 1);
        ++in;
        --inLeft;
        iconv(toUtf8_, nullptr, nullptr, nullptr, nullptr);
    }
    return result;
}

QByteArray TextCodec::encode(const QString& text, qsizetype maxBytes) const
{
    // Most text is plain ASCII, which needs no converter when the code page keeps it.
    if (asciiKept_ && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.left(maxBytes).toLatin1();
    return encodeEach(text, maxBytes);
}

QByteArray TextCodec::encodeEach(const QString& text, qsizetype maxBytes) const
{
    QByteArray result;
    const QList<uint> codePoints = text.toUcs4();
    for (uint cp : codePoints) {
        QByteArray encoded;
        if (fromUtf8_ != iconv_t(-1)) {
            QByteArray utf8 = QString::fromUcs4(reinterpret_cast<const char32_t*>(&cp), 1).toUtf8();
            char* in = utf8.data();
            size_t inLeft = size_t(utf8.size());
            char buffer[16];
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            iconv(fromUtf8_, nullptr, nullptr, nullptr, nullptr);
            if (iconv(fromUtf8_, &in, &inLeft, &out, &outLeft) != size_t(-1)
                && iconv(fromUtf8_, nullptr, nullptr, &out, &outLeft) != size_t(-1))
                encoded = QByteArray(buffer, out - buffer);
        } else if (cp < 256) {
            encoded = QByteArray(1, char(cp));
        }
        if (encoded.isEmpty())
            encoded = "?";
        if (result.size() + encoded.size() > maxBytes)
            break;
        result += encoded;
    }
    return result;
}

} // namespace px
