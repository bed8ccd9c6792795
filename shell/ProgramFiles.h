#pragma once

#include <QString>

// Files that lie beside the program: the help file and the slideshow.
namespace programfiles {

// The directory of the running executable.
QString ProgramDirectory();

// The application's help file, set at start-up: "tabrep.hlp" beside the program.
void SetHelpFile(const QString& path);
QString HelpFile();

// True when both "player.exe" and "omvaddon.dmr" lie in the program's directory
// (or in the directory given).
bool SlideshowAvailable();
bool SlideshowAvailable(const QString& directory);

} // namespace programfiles
