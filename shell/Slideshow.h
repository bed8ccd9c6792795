#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// Starting the slideshow: "player.exe" beside the program, given the path of
// "omvaddon.dmr" as its argument, runs as a separate program that is not watched.
namespace slideshow {

struct Command {
    QString program;
    QStringList arguments;
};

// The player and its data file in the directory (each path built with JoinPath).
Command SlideshowCommand(const QString& directory);

// Starts a program detached, without a shell, and answers whether it started.
using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;
// Replaces the starter (tests); an empty one restores the real start.
void SetStarter(Starter starter);

// Starts the slideshow of the directory when both files exist and returns at once.
// A missing file or a failed start shows nothing; the answer says whether it started.
bool StartSlideshow(const QString& directory);

} // namespace slideshow
