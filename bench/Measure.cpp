#include "bench/Measure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace bench {

double secondsOf(const std::function<void()>& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

namespace {

// Three significant digits or more: 0.214, 4.56, 145.0.
QString shown(double value)
{
    return QString::number(value, 'f', value < 1 ? 3 : value < 10 ? 2 : 1);
}

} // namespace

void print(const Figure& figure)
{
    const double ratio = figure.floor > 0 ? figure.subject / figure.floor : 0;
    QString verdict = QStringLiteral("(no target)");
    if (figure.target) {
        verdict = QStringLiteral("(target <= %1x) ").arg(*figure.target);
        const double miss = ratio - *figure.target;
        verdict += miss <= 0 ? QStringLiteral("OK")
                             : QStringLiteral("MISSED by %1x").arg(miss, 0, 'f', miss < 0.01 ? 3 : 2);
    }
    const QString line = QStringLiteral("%1: %2x %3  [%4 %6 against %5 %6, median of %7]")
                             .arg(figure.name)
                             .arg(ratio, 0, 'f', 2)
                             .arg(verdict, shown(figure.subject), shown(figure.floor), figure.unit)
                             .arg(figure.runs);
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

Figure compareTimes(const QString& name, int runs, const std::function<void()>& floor,
                    const std::function<void()>& subject, std::optional<double> target,
                    const std::function<void()>& prepare)
{
    auto runSubject = [&] {
        if (prepare)
            prepare();
        return secondsOf(subject) * 1000;
    };
    floor();
    runSubject();
    std::vector<double> floors;
    std::vector<double> subjects;
    // The order alternates, so neither side always finds the caches as the other left them.
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0)
            floors.push_back(secondsOf(floor) * 1000);
        subjects.push_back(runSubject());
        if (i % 2 == 1)
            floors.push_back(secondsOf(floor) * 1000);
    }
    return Figure{name, median(subjects), median(floors), QStringLiteral("ms"), target, runs};
}

} // namespace bench
