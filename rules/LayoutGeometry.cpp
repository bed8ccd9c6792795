#include "rules/LayoutGeometry.h"

#include <algorithm>
#include <cmath>

namespace wizard {

namespace {

constexpr double GripPixels = 4;

} // namespace

TenthsScale::TenthsScale(int width, double left, double right)
    : width_(std::max(width, 1)), left_(left), right_(std::max(right, left + 1))
{
}

int TenthsScale::boundaryAt(double x) const
{
    const double boundary = std::round((x - left_) / pixelsPerTenth());
    return int(std::clamp(boundary, 0.0, double(width_)));
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

Span WithStart(const Span& span, int start, int width)
{
    const int latest = std::max(1, std::min(span.end, width));
    return {std::clamp(start, 1, latest), span.end};
}

Span WithEnd(const Span& span, int end, int width)
{
    const int last = std::max(width, 1);
    return {span.start, std::clamp(end, std::clamp(span.start, 1, last), last)};
}

Span Moved(const Span& span, int delta, int width)
{
    const int lowest = 1 - std::min(span.start, span.end);
    const int highest = width - std::max(span.start, span.end);
    if (lowest > highest)
        return span;
    const int shift = std::clamp(delta, lowest, highest);
    return {span.start + shift, span.end + shift};
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

Bands::Bands(QList<int> lines, double top, double bottom) : lines_(std::move(lines)), top_(top)
{
    std::sort(lines_.begin(), lines_.end());
    lines_.erase(std::unique(lines_.begin(), lines_.end()), lines_.end());
    height_ = lines_.isEmpty() ? 0 : std::min(MaxBandPixels, std::max(bottom - top, 0.0) / lines_.size());
}

qsizetype Bands::bandOf(int line) const
{
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), line);
    return found != lines_.end() && *found == line ? found - lines_.begin() : -1;
}

qsizetype Bands::bandAt(double y) const
{
    if (height_ <= 0 || y < top_)
        return -1;
    const auto band = qsizetype((y - top_) / height_);
    return band < lines_.size() ? band : -1;
}

} // namespace wizard
