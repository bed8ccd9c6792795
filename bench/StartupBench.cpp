// Start-up: the program's main window built and shown on a folder of 10,000
// reports, in English and in German, against a bare window with one label and
// one button, all as whole processes; its peak memory against the bare
// window's; and its growth: a folder of 100,000 reports against one of ten files.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/ChildProcess.h"
#include "bench/Measure.h"

namespace bench {

namespace {

// One way of starting the child: its mode, data set and language.
struct Start {
    QString mode;
    DataSet data;
    QString language; // "de", or empty for English
};

struct Runs {
    std::vector<double> milliseconds;
    std::vector<double> megabytes;
};

ChildRun runOnce(const Settings& settings, const Start& start)
{
    const bool german = start.language == QLatin1String("de");
    const QStringList environment{QStringLiteral("QT_QPA_PLATFORM=offscreen"),
                                  QStringLiteral("XDG_CONFIG_HOME=") + start.data.configHome(),
                                  QStringLiteral("LANGUAGE=") + start.language,
                                  german ? QStringLiteral("LC_ALL=de_DE.UTF-8") : QStringLiteral("LC_ALL=C.UTF-8")};
    const ChildRun child = runChild(settings.childProgram, {start.mode}, environment);
    if (child.exitCode != 0)
        throw base::EngineError(QStringLiteral("tabrep-bench-child %1 ended with %2: %3")
                                    .arg(start.mode)
                                    .arg(child.exitCode)
                                    .arg(QString::fromLocal8Bit(child.errorOutput.right(2000))));
    return child;
}

// Floor and subject in turn, each first every other time, after one run of each to warm up.
std::pair<Runs, Runs> compareStarts(const Settings& settings, const Start& floor, const Start& subject)
{
    runOnce(settings, floor);
    runOnce(settings, subject);
    Runs floorRuns, subjectRuns;
    for (int i = 0; i < settings.runs; ++i) {
        const bool floorFirst = i % 2 == 0;
        const ChildRun first = runOnce(settings, floorFirst ? floor : subject);
        const ChildRun second = runOnce(settings, floorFirst ? subject : floor);
        for (const auto& [run, into] : {std::pair{floorFirst ? first : second, &floorRuns},
                                        std::pair{floorFirst ? second : first, &subjectRuns}}) {
            into->milliseconds.push_back(run.seconds * 1000);
            into->megabytes.push_back(run.peakMegabytes);
        }
    }
    return {floorRuns, subjectRuns};
}

} // namespace

void benchStartup(const Settings& settings)
{
    const DataSet few = folderDataSet(settings.cache, 0);
    const DataSet office = folderDataSet(settings.cache, ReportCount);
    const DataSet large = folderDataSet(settings.cache, 10 * ReportCount);
    for (const QString& language : {QString(), QStringLiteral("de")}) {
        const auto [bare, program] = compareStarts(settings, {QStringLiteral("bare"), office, language},
                                                   {QStringLiteral("tabrep"), office, language});
        const QString name = language.isEmpty() ? QStringLiteral("startup (10,000 reports)")
                                                : QStringLiteral("startup in German (10,000 reports)");
        print({name, median(program.milliseconds), median(bare.milliseconds), QStringLiteral("ms"), 1.2,
               settings.runs});
        if (language.isEmpty())
            print({QStringLiteral("startup peak memory"), median(program.megabytes), median(bare.megabytes),
                   QStringLiteral("MB"), 1.15, settings.runs});
    }
    const auto [small, big] = compareStarts(settings, {QStringLiteral("tabrep"), few, QString()},
                                            {QStringLiteral("tabrep"), large, QString()});
    print({QStringLiteral("startup growth (100,000 reports against 10 files)"), median(big.milliseconds),
           median(small.milliseconds), QStringLiteral("ms"), 1.2, settings.runs});
}

} // namespace bench
