// tabrep-report check over 10,000 reports of the alias directory, against a
// plain loop that opens each report file and reads all of it.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/DirectoryWalk.h"
#include "bench/Measure.h"
#include "cli/ReportTool.h"
#include "store/engine/Session.h"

#include <cstdio>
#include <unistd.h>

namespace bench {

namespace {

// The floor: every file of the directory opened and read to its end.
int readEveryFile(const QString& directory)
{
    char buffer[4096];
    return forEachRegularFile(directory, [](const char*) { return true; }, [&](int fd) {
        while (::read(fd, buffer, sizeof buffer) > 0) {
        }
    });
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
