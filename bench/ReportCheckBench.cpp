// tabrep-report check over 10,000 reports of the alias directory, against a
// plain loop that opens each report file and reads all of it.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/Measure.h"
#include "cli/ReportTool.h"
#include "store/engine/Session.h"

#include <QFile>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace bench {

namespace {

// The floor: every file of the directory opened and read to its end.
int readEveryFile(const QString& directory)
{
    DIR* dir = ::opendir(QFile::encodeName(directory).constData());
    if (!dir)
        throw base::EngineError(QStringLiteral("Cannot list %1").arg(directory));
    int read = 0;
    char buffer[4096];
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_type != DT_REG)
            continue;
        const int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        while (::read(fd, buffer, sizeof buffer) > 0) {
        }
        ::close(fd);
        ++read;
    }
    ::closedir(dir);
    return read;
}

} // namespace

void benchReportCheck(const Settings& settings)
{
    const DataSet reports = reportsDataSet(settings.cache);
    store::Session session(reports.configPath());
    store::Session::setDefaultSession(&session);
    std::FILE* output = std::tmpfile();
    if (!output)
        throw base::EngineError(QStringLiteral("Cannot make a file for the check's output"));
    const cli::Streams streams{output, output};
    const auto check = [&] {
        std::rewind(output);
        if (cli::CheckCommand({}, streams) == cli::Trouble)
            throw base::EngineError(QStringLiteral("the check could not read every report"));
    };
    check();
    if (std::ftell(output) == 0 || readEveryFile(reports.dataDir()) != ReportCount)
        throw base::EngineError(QStringLiteral("the check printed nothing, or the data set is not %1 reports")
                                    .arg(ReportCount));
    print(compareTimes(QStringLiteral("report check"), settings.runs, [&] { readEveryFile(reports.dataDir()); },
                       check, 1.5));
    std::fclose(output);
    store::Session::setDefaultSession(nullptr);
}

} // namespace bench
