#pragma once

#include <QString>

// Files that lie beside the program, or where an installed program keeps its
// data: the help file and the slideshow.
namespace programfiles {

// The directory of the running executable.
QString ProgramDirectory();

// The help file for the program in programDirectory: "tabrep.hlp" beside it
// (the build tree), else in ../share/tabrep relative to it (an installed
// program); when neither exists, the one beside it, so that asking for help
// names the file that is missing there. In a language other than English
// ("de"), that language's file "tabrep_de.hlp" is looked for first in the same
// two places, and the English one when it is in neither.
QString FindHelpFile(const QString& programDirectory, const QString& language = {});

// The application's help file, set at start-up from FindHelpFile.
void SetHelpFile(const QString& path);
QString HelpFile();

// True when both "player.exe" and "omvaddon.dmr" lie in the program's directory
// (or in the directory given).
bool SlideshowAvailable();
bool SlideshowAvailable(const QString& directory);

} // namespace programfiles
