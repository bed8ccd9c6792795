#pragma once

#include <QString>
#include <optional>

namespace base {

// Parses optional leading blanks, an optional sign, then decimal digits or "$"
// followed by hexadecimal digits, and nothing after them. Values outside the
// range of a 32-bit signed integer do not parse, whether written in decimal or
// in hexadecimal ("$7FFFFFFF" and "-$80000000" are the ends of the range).
std::optional<int> ParseInteger(const QString& text);

namespace detail {

// The usual number, one to nine decimal digits and nothing else, is an int as
// it stands: its value, or -1 for any other text, which takes the whole parse.
template <typename Text>
inline int ShortDecimal(Text text)
{
    const qsizetype n = text.size();
    if (n == 0 || n > 9)
        return -1;
    int value = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = QChar(text[i]).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// ParseInteger of 8-bit text other than the usual number.
std::optional<int> ParseOtherInteger(QLatin1StringView text);

} // namespace detail

// The same on 8-bit text: a byte that is not ASCII is never part of a number.
// The usual number is taken where it is asked for.
inline std::optional<int> ParseInteger(QLatin1StringView text)
{
    if (const int value = detail::ShortDecimal(text); value >= 0)
        return value;
    return detail::ParseOtherInteger(text);
}

// The whole number written in text, or 0 when it holds none.
int StrToIntOrZero(const QString& text);
int StrToIntOrZero(QLatin1StringView text);

} // namespace base
