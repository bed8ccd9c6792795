// Start-up: the program's main window built on the demo data and shown, against
// a bare window with one label and one button, both as whole processes.
#include "base/EngineError.h"
#include "bench/BenchData.h"
#include "bench/Benchmarks.h"
#include "bench/ChildProcess.h"
#include "bench/Measure.h"
#include "tools/demodata/DemoData.h"

namespace bench {

void benchStartup(const Settings& settings)
{
    const DataSet demo = cachedDataSet(settings.cache, QStringLiteral("demo"),
                                       [](const QString& dir) { demo::makeDemoData(dir); });
    const QStringList environment{QStringLiteral("QT_QPA_PLATFORM=offscreen"),
                                  QStringLiteral("XDG_CONFIG_HOME=") + demo.configHome()};
    auto run = [&](const QString& mode) {
        const ChildRun child = runChild(settings.childProgram, {mode}, environment);
        if (child.exitCode != 0)
            throw base::EngineError(QStringLiteral("tabrep-bench-child %1 ended with %2: %3")
                                        .arg(mode)
                                        .arg(child.exitCode)
                                        .arg(QString::fromLocal8Bit(child.errorOutput.right(2000))));
        return child;
    };

    run(QStringLiteral("bare"));
    run(QStringLiteral("tabrep"));
    std::vector<double> bareTimes, tabrepTimes, bareMemory, tabrepMemory;
    for (int i = 0; i < settings.runs; ++i) {
        // The order alternates, as in compareTimes.
        const bool bareFirst = i % 2 == 0;
        const ChildRun first = run(bareFirst ? QStringLiteral("bare") : QStringLiteral("tabrep"));
        const ChildRun second = run(bareFirst ? QStringLiteral("tabrep") : QStringLiteral("bare"));
        const ChildRun& bare = bareFirst ? first : second;
        const ChildRun& tabrep = bareFirst ? second : first;
        bareTimes.push_back(bare.seconds * 1000);
        tabrepTimes.push_back(tabrep.seconds * 1000);
        bareMemory.push_back(bare.peakMegabytes);
        tabrepMemory.push_back(tabrep.peakMegabytes);
    }
    print({QStringLiteral("startup"), median(tabrepTimes), median(bareTimes), QStringLiteral("ms"), 1.3, settings.runs});
    print({QStringLiteral("startup peak memory"), median(tabrepMemory), median(bareMemory), QStringLiteral("MB"),
           1.15, settings.runs});
}

} // namespace bench
