#include "shell/Slideshow.h"

#include "base/Paths.h"

#include <QFileInfo>
#include <QProcess>

namespace slideshow {
namespace {

bool StartDetached(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

Starter& CurrentStarter()
{
    static Starter starter = StartDetached;
    return starter;
}

} // namespace

Command SlideshowCommand(const QString& directory)
{
    return {base::JoinPath(directory, QStringLiteral("player.exe")),
            {base::JoinPath(directory, QStringLiteral("omvaddon.dmr"))}};
}

void SetStarter(Starter starter)
{
    CurrentStarter() = starter ? std::move(starter) : Starter(StartDetached);
}

bool StartSlideshow(const QString& directory)
{
    const Command command = SlideshowCommand(directory);
    if (!QFileInfo::exists(command.program) || !QFileInfo::exists(command.arguments.front()))
        return false;
    return CurrentStarter()(command.program, command.arguments);
}

} // namespace slideshow
