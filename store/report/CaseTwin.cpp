#include "store/report/CaseTwin.h"

#include "base/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>
#include <dirent.h>

namespace store {
namespace {

char LowerAZ(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameButCase(const char* a, const QByteArray& b)
{
    // The very name is no twin: the look at the file itself covers it.
    if (std::strlen(a) != std::size_t(b.size()) || b == a)
        return false;
    for (qsizetype i = 0; i < b.size(); ++i)
        if (LowerAZ(a[i]) != LowerAZ(b[i]))
            return false;
    return true;
}

} // namespace

std::optional<QString> CaseTwinOf(const QString& path)
{
    const QFileInfo info(path);
    const QByteArray name = base::FileNameBytes(info.fileName());
    DIR* directory = ::opendir(base::FileNameBytes(info.path()).constData());
    if (!directory)
        return std::nullopt;
    std::optional<QString> twin;
    while (const dirent* entry = ::readdir(directory))
        if (SameButCase(entry->d_name, name)) {
            twin = info.dir().filePath(QFile::decodeName(entry->d_name));
            break;
        }
    ::closedir(directory);
    return twin;
}

} // namespace store
