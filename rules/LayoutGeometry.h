#pragma once

#include <QList>

namespace wizard {

// Where a field stands on its line, in tenths of an inch; both ends belong to it.
struct Span {
    int start = 0;
    int end = 0;

    bool operator==(const Span&) const = default;
};

// The printable width drawn to scale between two pixel columns. Boundary b is the
// edge between the tenths b and b + 1, so boundary 0 is the left end of the strip
// and boundary `width` its right end; a field from s to e covers the boundaries
// s - 1 to e.
class TenthsScale {
public:
    // width: the printable width in tenths (taken as 1 when smaller).
    TenthsScale(int width, double left, double right);

    int width() const { return width_; }
    double pixelsPerTenth() const { return (right_ - left_) / width_; }
    double x(int boundary) const { return left_ + boundary * pixelsPerTenth(); }
    // The boundary nearest to the pixel column, within 0 and width.
    int boundaryAt(double x) const;
    // The pixel columns of a field's box, kept on the strip and at least
    // MinBoxPixels wide, so that a field beyond the width or ending before it
    // starts can still be seen and taken.
    double boxLeft(const Span& span) const;
    double boxRight(const Span& span) const;

    static constexpr double MinBoxPixels = 4;

private:
    int width_;
    double left_;
    double right_;
};

// The positions that the mouse and the keys give a field: snapped to whole
// tenths and kept within 1 and the printable width. A field keeps starting no
// later than it ends, where its positions allow it.
Span WithStart(const Span& span, int start, int width);
Span WithEnd(const Span& span, int end, int width);
// Both ends moved by delta, keeping the width, as far as the field stays within
// 1 and the width; a field wider than the printable width does not move.
Span Moved(const Span& span, int delta, int width);

// The part of a box that a press at x takes: its starting edge, its ending edge
// or its middle. The edges are a few pixels wide, less on a narrow box.
enum class Grip { Start, Middle, End };
Grip GripAt(double x, double boxLeft, double boxRight);

// The ruler above the bands: a mark every tenth, a longer one every half inch,
// the longest with the inch number every inch.
enum class Mark { Tenth, HalfInch, Inch };
Mark MarkAt(int boundary);

// The bands of the report lines in use, one under the other below the ruler:
// the lines in ascending order, each band as high as the room allows, at most
// MaxBandPixels.
class Bands {
public:
    Bands(QList<int> lines, double top, double bottom);

    const QList<int>& lines() const { return lines_; }
    double height() const { return height_; }
    double top(qsizetype band) const { return top_ + band * height_; }
    // The band of the line, -1 when the line is not in use.
    qsizetype bandOf(int line) const;
    // The band at the pixel row, -1 when there is none.
    qsizetype bandAt(double y) const;

    static constexpr double MaxBandPixels = 22;

private:
    QList<int> lines_;
    double top_;
    double height_;
};

} // namespace wizard
