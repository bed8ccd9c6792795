#include "store/report/Cp1252.h"

#include <algorithm>
#include <array>

namespace store {

namespace {

// Characters of the bytes 0x80 to 0x9F; the other bytes stand for the character
// of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> ByteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString DecodeCp1252(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    // Plain ASCII, the usual text, widens as it stands.
    unsigned char high = 0;
    for (qsizetype i = 0; i < size; ++i)
        high |= in[i];
    if (high < 0x80) {
        std::copy(in, in + size, out);
        return text;
    }
    for (qsizetype i = 0; i < size; ++i)
        out[i] = in[i] >= 0x80 && in[i] < 0xA0 ? kHighControls[in[i] - 0x80] : char16_t(in[i]);
    return text;
}

std::optional<QByteArray> EncodeCp1252(const QString& text)
{
    QByteArray bytes;
    if (!AppendCp1252(bytes, text))
        return std::nullopt;
    return bytes;
}

bool AppendCp1252(QByteArray& bytes, QStringView text)
{
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (const QChar c : text) {
        const std::optional<char> b = ByteOf(c.unicode());
        if (!b) {
            bytes.truncate(start);
            return false;
        }
        *out++ = *b;
    }
    return true;
}

} // namespace store
