#pragma once

#include <QList>
#include <QString>

namespace rules {

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
    // The whole tenths from one pixel column to another, rounded to the nearest.
    int tenthsBetween(double fromX, double toX) const;
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

// The positions that the mouse and the keys give a field: its start, its end,
// or both ends keeping its width, moved by delta tenths. A position moves in the
// direction asked and stops at 1 or at the printable width when it crosses it,
// but not at a bound it already lay beyond; a field keeps starting no later than
// it ends, where its positions allow it. A delta of 0 changes nothing.
Span MovedStart(const Span& span, int delta, int width);
Span MovedEnd(const Span& span, int delta, int width);
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
// the lines in ascending order and, when some field has no line (0 or less), a
// band of their own after them; each band as high as the room allows, at most
// MaxBandPixels.
class Bands {
public:
    Bands(QList<int> lines, double top, double bottom);

    qsizetype count() const { return lines_.size() + (noLine_ ? 1 : 0); }
    double height() const { return height_; }
    double top(qsizetype band) const { return top_ + band * height_; }
    // The band of the line, -1 when the line is not in use.
    qsizetype bandOf(int line) const;
    // The band at the pixel row, -1 when there is none.
    qsizetype bandAt(double y) const;
    // What the band is labelled with: its line number, or "No line".
    QString label(qsizetype band) const;

    static constexpr double MaxBandPixels = 22;

private:
    QList<int> lines_;  // in use, 1 and later
    bool noLine_ = false;
    double top_;
    double height_;
};

} // namespace rules
