#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace bench {

// What one run of a child process took.
struct ChildRun {
    double seconds = 0;     // from starting it to its end, wall clock
    double peakMegabytes = 0; // its peak resident memory: its own "VmHWM: N kB" on stderr, else ru_maxrss
    int exitCode = -1;      // -1 when it did not end normally
    QByteArray errorOutput; // what it wrote to stderr
};

// Runs program with arguments and the environment of this process plus
// environment ("NAME=VALUE" entries, replacing those of the same name), and
// waits for it; its stderr is kept, not shown. Throws base::EngineError when it
// cannot be started.
ChildRun runChild(const QString& program, const QStringList& arguments, const QStringList& environment);

} // namespace bench
