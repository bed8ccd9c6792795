#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// Timing and the printed figures of the benchmarks.
namespace bench {

// Wall-clock seconds that f takes.
double secondsOf(const std::function<void()>& f);

double median(std::vector<double> samples);

// One printed figure: the median of the subject against the median of its
// floor, measured in the same run.
struct Figure {
    QString name;
    double subject = 0;
    double floor = 0;
    QString unit;                 // "ms" or "MB": how subject and floor are shown
    std::optional<double> target; // the highest ratio that passes; none: the ratio is only shown
    int runs = 0;
};

// Prints e.g. "startup: 1.23x (target <= 1.5x) OK  [151.0 ms against 122.8 ms, median of 11]".
void print(const Figure& figure);

// Runs floor and subject once each to warm up, then runs times in turn, so a
// change in the machine's load falls on both, each first every other time; the
// figure holds the medians in milliseconds. prepare, when given, runs untimed
// before each run of subject.
Figure compareTimes(const QString& name, int runs, const std::function<void()>& floor,
                    const std::function<void()>& subject, std::optional<double> target,
                    const std::function<void()>& prepare = {});

} // namespace bench
