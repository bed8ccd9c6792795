#pragma once

#include <QString>
#include <optional>

namespace base {

// Parses optional leading blanks, an optional sign, then decimal digits or "$"
// followed by hexadecimal digits, and nothing after them. Values outside the
// 32-bit range do not parse.
std::optional<int> ParseInteger(const QString& text);
// The same on 8-bit text: a byte that is not ASCII is never part of a number.
std::optional<int> ParseInteger(QLatin1StringView text);

// The whole number written in text, or 0 when it holds none.
int StrToIntOrZero(const QString& text);
int StrToIntOrZero(QLatin1StringView text);

} // namespace base
