#include "store/report/CaseTwin.h"

#include "base/DirectoryNames.h"
#include "base/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace store {

std::optional<QString> CaseTwinOf(const QString& path)
{
    const QFileInfo info(path);
    const QByteArray name = base::FileNameBytes(info.fileName());
    // The very name is no twin: the look at the file itself covers it.
    for (const QByteArray& found : base::NamesFoldingAZ(info.path(), name))
        if (found != name)
            return info.dir().filePath(QFile::decodeName(found));
    return std::nullopt;
}

} // namespace store
