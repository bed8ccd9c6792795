#include "shell/ProgramFiles.h"

#include "base/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace programfiles {
namespace {

QString helpFile;

} // namespace

QString ProgramDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QString FindHelpFile(const QString& programDirectory)
{
    const QString beside = base::JoinPath(programDirectory, QStringLiteral("tabrep.hlp"));
    const QString installed =
        QDir::cleanPath(base::JoinPath(programDirectory, QStringLiteral("../share/tabrep/tabrep.hlp")));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
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
