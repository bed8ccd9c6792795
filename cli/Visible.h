#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace cli {

// Text from a file or a file name as the terminal is shown it: every character
// that would act on the terminal or not show (control characters below 32,
// DEL and 128 to 159, format characters, line and paragraph separators, the
// no-break space) is written as an escape, and so is the backslash, so two
// different texts never look alike: "\\" a backslash, "\t" "\n" "\r", "\xHH" a
// control byte below 128 or a byte of a file name that is not UTF-8, "\uHHHH"
// or "\UHHHHHHHH" any other such character.
QString Visible(QStringView text);

// The text that Visible shows as shown; nothing when shown holds a backslash
// that starts none of its escapes. Bytes of a file name come back as
// base::FileNameText keeps them.
std::optional<QString> Unescaped(QStringView shown);

// True when text holds a byte of a file name that is not UTF-8.
bool HoldsNameByte(QStringView text);

// A JSON string, quoted: exact for every character, with those that Visible
// escapes written as JSON escapes, so a terminal shows the output as it is.
QString JsonString(QStringView text);

} // namespace cli
