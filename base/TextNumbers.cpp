#include "base/TextNumbers.h"

#include <limits>

namespace base {

namespace {

// Text is a QStringView or a QLatin1StringView: one parse for both.
template <typename Text>
std::optional<int> Parse(Text text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && QChar(text[i]) == u' ')
        ++i;
    bool negative = false;
    if (i < n && (QChar(text[i]) == u'+' || QChar(text[i]) == u'-')) {
        negative = QChar(text[i]) == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && QChar(text[i]) == u'$') {
        base = 16;
        ++i;
    }
    if (i == n)
        return std::nullopt;
    long long value = 0;
    for (; i < n; ++i) {
        // Only ASCII digits and letters count: no other character is one of them in any case.
        const char16_t c = QChar(text[i]).unicode();
        const auto lower = char16_t(c | 0x20);
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && lower >= u'a' && lower <= u'f')
            digit = lower - u'a' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<int> ParseInteger(const QString& text)
{
    if (const int value = detail::ShortDecimal(QStringView(text)); value >= 0)
        return value;
    return Parse(QStringView(text));
}

std::optional<int> detail::ParseOtherInteger(QLatin1StringView text)
{
    return Parse(text);
}

int StrToIntOrZero(const QString& text)
{
    return ParseInteger(text).value_or(0);
}

int StrToIntOrZero(QLatin1StringView text)
{
    return ParseInteger(text).value_or(0);
}

} // namespace base
