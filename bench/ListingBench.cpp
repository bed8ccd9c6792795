// Report listing: the selection dialog filled with 10,000 reports, against a
// plain loop that opens each report file and reads its first two lines; and
// the dialog over 100,000 reports against half a second.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/DirectoryWalk.h"
#include "bench/Measure.h"
#include "store/Alias.h"
#include "store/ReportDirectory.h"
#include "store/engine/Session.h"
#include "wizard/dialogs/TFrmSelect.h"

#include <QLabel>
#include <algorithm>
#include <cstring>
#include <sched.h>
#include <strings.h>
#include <unistd.h>

namespace bench {

namespace {

bool isReportName(const char* name)
{
    const std::size_t length = std::strlen(name);
    return length > 4 && ::strcasecmp(name + length - 4, ".rpt") == 0;
}

// The floor: every report file of the directory opened and read up to the end of its second line.
int readFirstTwoLines(const QString& directory)
{
    char buffer[4096];
    return forEachRegularFile(directory, isReportName, [&](int fd) {
        int lineEnds = 0;
        ssize_t got;
        while (lineEnds < 2 && (got = ::read(fd, buffer, sizeof buffer)) > 0) {
            const char* end = buffer + got;
            for (const char* p = buffer; lineEnds < 2 && (p = static_cast<const char*>(std::memchr(p, '\r', std::size_t(end - p))));
                 ++p)
                ++lineEnds;
        }
    });
}

// While it lives, this thread and the threads it starts run on one core only.
class OnOneCore {
public:
    OnOneCore()
    {
        ::sched_getaffinity(0, sizeof all_, &all_);
        cpu_set_t one;
        CPU_ZERO(&one);
        for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
            if (CPU_ISSET(cpu, &all_)) {
                CPU_SET(cpu, &one);
                break;
            }
        ::sched_setaffinity(0, sizeof one, &one);
    }
    ~OnOneCore() { ::sched_setaffinity(0, sizeof all_, &all_); }
    OnOneCore(const OnOneCore&) = delete;
    OnOneCore& operator=(const OnOneCore&) = delete;

private:
    cpu_set_t all_;
};

} // namespace

void benchListing(const Settings& settings)
{
    const DataSet reports = reportsDataSet(settings.cache);
    store::Session session(reports.configPath());
    store::DatabaseAlias = QStringLiteral("OMNIV");
    {
        wizard::TFrmSelect dialog(session);
        const QString listed = dialog.findChild<QLabel*>(QStringLiteral("lblCount"))->text();
        if (listed != QString::number(ReportCount) || readFirstTwoLines(reports.dataDir()) != ReportCount)
            throw base::EngineError(QStringLiteral("the report listing shows %1 reports, not %2").arg(listed).arg(ReportCount));
    }
    // The dialog is built, and so filled, in the timed part; the last one goes before the next run.
    std::unique_ptr<wizard::TFrmSelect> dialog;
    print(compareTimes(
        QStringLiteral("report listing"), settings.runs, [&] { readFirstTwoLines(reports.dataDir()); },
        [&] { dialog = std::make_unique<wizard::TFrmSelect>(session); }, 1.15, [&] { dialog.reset(); }));
    print(compareTimes(
        QStringLiteral("report listing, files only"), settings.runs, [&] { readFirstTwoLines(reports.dataDir()); },
        [&] { store::ListReports(reports.dataDir()); }, std::nullopt));
    // The listing reads on two threads where there are two cores, the floor on one: on one core, where the
    // threads take turns, the listing's work is set against the floor's.
    {
        const OnOneCore oneCore;
        print(compareTimes(
            QStringLiteral("report listing on one core"), settings.runs, [&] { readFirstTwoLines(reports.dataDir()); },
            [&] { dialog = std::make_unique<wizard::TFrmSelect>(session); }, 1.15, [&] { dialog.reset(); }));
    }

    // A folder ten times as large opens its dialog in under half a second.
    const DataSet large = folderDataSet(settings.cache, 10 * ReportCount);
    store::Session largeSession(large.configPath());
    dialog.reset();
    std::vector<double> milliseconds;
    for (int i = 0; i < std::max(3, settings.runs / 3); ++i) {
        milliseconds.push_back(1000 * secondsOf([&] { dialog = std::make_unique<wizard::TFrmSelect>(largeSession); }));
        dialog.reset();
    }
    print({QStringLiteral("report listing of 100,000 reports, against half a second"), median(milliseconds), 500,
           QStringLiteral("ms"), 1.0, int(milliseconds.size())});
}

} // namespace bench
