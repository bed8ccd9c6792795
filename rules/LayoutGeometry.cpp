#include "rules/LayoutGeometry.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <algorithm>
#include <climits>
#include <cmath>

namespace rules {

namespace {

constexpr double GripPixels = 4;

// Where a position moved by delta stops: at the bound of low and high that it
// crosses, not at one it already lay beyond; never past the limits of a whole
// number.
int Limited(int from, int delta, int low, int high)
{
    qint64 to = qint64(from) + delta;
    if (delta > 0 && from <= high)
        to = std::min<qint64>(to, high);
    else if (delta < 0 && from >= low)
        to = std::max<qint64>(to, low);
    return int(std::clamp<qint64>(to, INT_MIN, INT_MAX));
}

} // namespace

TenthsScale::TenthsScale(int width, double left, double right)
    : width_(std::max(width, 1)), left_(left), right_(std::max(right, left + 1))
{
}

int TenthsScale::tenthsBetween(double fromX, double toX) const
{
    return int(std::lround((toX - fromX) / pixelsPerTenth()));
}

double TenthsScale::boxLeft(const Span& span) const
{
    const int first = std::clamp(std::min(span.start, span.end) - 1, 0, width_);
    return std::min(x(first), right_ - MinBoxPixels);
}

double TenthsScale::boxRight(const Span& span) const
{
    const int last = std::clamp(std::max(span.start, span.end), 0, width_);
    return std::max(x(last), boxLeft(span) + MinBoxPixels);
}

Span MovedStart(const Span& span, int delta, int width)
{
    return {Limited(span.start, delta, 1, std::min(span.end, width)), span.end};
}

Span MovedEnd(const Span& span, int delta, int width)
{
    return {span.start, Limited(span.end, delta, std::max(span.start, 1), width)};
}

Span Moved(const Span& span, int delta, int width)
{
    // The end that leads the move decides how far the field goes.
    const int leading = delta > 0 ? std::max(span.start, span.end) : std::min(span.start, span.end);
    const int shift = int(qint64(Limited(leading, delta, 1, width)) - leading);
    return {Limited(span.start, shift, INT_MIN, INT_MAX), Limited(span.end, shift, INT_MIN, INT_MAX)};
}

Grip GripAt(double x, double boxLeft, double boxRight)
{
    const double grip = std::min(GripPixels, (boxRight - boxLeft) / 3);
    if (x < boxLeft + grip)
        return Grip::Start;
    if (x >= boxRight - grip)
        return Grip::End;
    return Grip::Middle;
}

Mark MarkAt(int boundary)
{
    if (boundary % 10 == 0)
        return Mark::Inch;
    return boundary % 5 == 0 ? Mark::HalfInch : Mark::Tenth;
}

Bands::Bands(QList<int> lines, double top, double bottom) : top_(top)
{
    for (int line : lines) {
        if (line >= 1)
            lines_.append(line);
        else
            noLine_ = true;
    }
    std::sort(lines_.begin(), lines_.end());
    lines_.erase(std::unique(lines_.begin(), lines_.end()), lines_.end());
    height_ = count() == 0 ? 0 : std::min(MaxBandPixels, std::max(bottom - top, 0.0) / double(count()));
}

qsizetype Bands::bandOf(int line) const
{
    if (line < 1)
        return noLine_ ? lines_.size() : -1;
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), line);
    return found != lines_.end() && *found == line ? found - lines_.begin() : -1;
}

qsizetype Bands::bandAt(double y) const
{
    if (height_ <= 0 || y < top_)
        return -1;
    const auto band = qsizetype((y - top_) / height_);
    return band < count() ? band : -1;
}

QString Bands::label(qsizetype band) const
{
    return band < lines_.size() ? QString::number(lines_[band])
                                   //: The band of the column layout for fields on no line of the report
                                   : QCoreApplication::translate("ColumnLayoutView", "No line");
}

} // namespace rules
