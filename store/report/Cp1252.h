#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace store {

// Report files hold 8-bit text in Windows-1252, the host's character set.
// The five bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the control characters of the same number, so every byte string
// decodes and encodes back unchanged.
QString DecodeCp1252(QByteArrayView bytes);

// The text in Windows-1252, or nothing when it holds a character the code page lacks.
std::optional<QByteArray> EncodeCp1252(const QString& text);
// Appends the text in Windows-1252 to bytes; false when it holds a character
// the code page lacks, bytes then left as they were.
bool AppendCp1252(QByteArray& bytes, QStringView text);

} // namespace store
