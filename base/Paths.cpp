#include "Paths.h"

namespace base {

QString JoinPath(const QString& directory, const QString& fileName)
{
    if (directory.isEmpty())
        return fileName;
    if (directory.endsWith(u'/') || directory.endsWith(u'\\'))
        return directory + fileName;
    return directory + u'/' + fileName;
}

} // namespace base
