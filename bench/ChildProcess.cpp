#include "bench/ChildProcess.h"

#include "base/EngineError.h"

#include <QFile>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {

namespace {

// The environment as spawn wants it, with the entries of overrides replacing those of the same name.
std::vector<QByteArray> mergedEnvironment(const QStringList& overrides)
{
    std::vector<QByteArray> entries;
    auto nameOf = [](const QByteArray& entry) { return entry.left(entry.indexOf('=') + 1); };
    for (const QString& entry : overrides)
        entries.push_back(QFile::encodeName(entry));
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const bool replaced = std::any_of(entries.begin(), entries.end(),
                                          [&](const QByteArray& own) { return nameOf(own) == nameOf(entry); });
        if (!replaced)
            entries.push_back(entry);
    }
    return entries;
}

std::vector<char*> pointersTo(std::vector<QByteArray>& strings)
{
    std::vector<char*> pointers;
    for (QByteArray& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildRun runChild(const QString& program, const QStringList& arguments, const QStringList& environment)
{
    std::vector<QByteArray> argStrings{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        argStrings.push_back(argument.toLocal8Bit());
    std::vector<QByteArray> envStrings = mergedEnvironment(environment);
    std::vector<char*> argv = pointersTo(argStrings);
    std::vector<char*> envp = pointersTo(envStrings);

    QTemporaryFile errors;
    if (!errors.open())
        throw base::EngineError(QStringLiteral("Cannot make a temporary file for the output of %1").arg(program));
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, errors.handle(), STDERR_FILENO);

    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw base::EngineError(QStringLiteral("Cannot start %1: %2").arg(program, QString::fromLocal8Bit(std::strerror(error))));
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    errors.seek(0);
    run.errorOutput = errors.readAll();
    // A child started by posix_spawn (vfork) inherits this process's peak in ru_maxrss: its own word counts.
    const qsizetype own = run.errorOutput.lastIndexOf("VmHWM:");
    bool ok = false;
    const double ownKilobytes =
        own < 0 ? 0 : run.errorOutput.mid(own + 6).trimmed().split(' ').value(0).toDouble(&ok);
    run.peakMegabytes = (ok ? ownKilobytes : double(usage.ru_maxrss)) / 1024.0;
    return run;
}

} // namespace bench
