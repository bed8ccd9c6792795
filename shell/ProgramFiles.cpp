#include "shell/ProgramFiles.h"

#include "base/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace programfiles {
namespace {

QString helpFile;

} // namespace

QString ProgramDirectory()
{
    return QCoreApplication::applicationDirPath();
}

void SetHelpFile(const QString& path)
{
    helpFile = path;
}

QString HelpFile()
{
    return helpFile;
}

bool SlideshowAvailable()
{
    return SlideshowAvailable(ProgramDirectory());
}

bool SlideshowAvailable(const QString& directory)
{
    return QFileInfo::exists(base::JoinPath(directory, QStringLiteral("player.exe")))
        && QFileInfo::exists(base::JoinPath(directory, QStringLiteral("omvaddon.dmr")));
}

} // namespace programfiles
