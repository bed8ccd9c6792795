#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

namespace base {
class Error;
}

namespace cli {

// Where the program writes: its output, and its messages about trouble.
struct Streams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

// The exit status: all is well (every report checked passes), a report fails
// the column check, or a file or directory cannot be read or the command line
// is wrong.
enum ExitStatus { Passed = 0, Failed = 1, Trouble = 2 };

// tabrep-report with its arguments (the program's name left out).
int RunReportTool(const QStringList& arguments, const Streams& streams);

// Writes a message about trouble on one line, its texts from files shown visibly;
// a refused field record's sentence and place joined.
void Complain(const Streams& streams, const QString& text);
void Complain(const Streams& streams, const base::Error& error);

// The commands. directory empty: the alias directory.
int ListCommand(const QString& directory, bool json, const Streams& streams);
int ShowCommand(const QString& file, const Streams& streams);
// files empty: every report of the alias directory, in the order of their names.
int CheckCommand(const QStringList& files, const Streams& streams);

} // namespace cli
