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

QString FindHelpFile(const QString& programDirectory, const QString& language)
{
    const auto place = [&programDirectory](const QString& name) {
        const QString beside = base::JoinPath(programDirectory, name);
        const QString installed =
            QDir::cleanPath(base::JoinPath(programDirectory, QStringLiteral("../share/tabrep/") + name));
        return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
    };
    if (!language.isEmpty()) {
        const QString translated = place(QStringLiteral("tabrep_%1.hlp").arg(language));
        if (QFileInfo::exists(translated))
            return translated;
    }
    return place(QStringLiteral("tabrep.hlp"));
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
