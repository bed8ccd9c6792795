#pragma once

#include <QString>

namespace base {

// Directory and file name to a path with exactly one separator between them.
// The bare name when the directory is empty. A directory that already ends in a
// separator ("/", or "\" as alias definitions written elsewhere may have) is used as it is.
QString JoinPath(const QString& directory, const QString& fileName);

} // namespace base
