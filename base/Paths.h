#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace base {

// Directory and file name to a path with exactly one "/" between them; the bare
// name when the directory is empty. Only "/" separates: a directory ending in "\"
// is a directory whose name ends in that character, and gets its "/" too.
QString JoinPath(const QString& directory, const QString& fileName);

// A name or path as the file system has it (any bytes) to text and back, with
// nothing lost: valid UTF-8 is decoded, and each byte that is not part of it
// becomes one of the code points U+DC80 to U+DCFF, which FileNameBytes turns
// back into that byte. So a file whose name is not valid text is opened,
// replaced and removed under its own bytes.
QString FileNameText(QByteArrayView bytes);
QByteArray FileNameBytes(const QString& text);

} // namespace base
