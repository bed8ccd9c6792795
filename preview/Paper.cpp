#include "preview/Paper.h"

#include "rules/ReportSettings.h"

#include <algorithm>

namespace preview {

namespace {

// The sheet of the paper that the printable width stands for, in inches: a
// typed width is printed on US letter, wider when the width needs it.
Paper SheetOf(int printableWidth)
{
    switch (rules::PaperOf(printableWidth)) {
    case rules::PaperSize::UsPortrait: return {8.5, 11, 0, 0};
    case rules::PaperSize::A4Portrait: return {21.0 / 2.54, 29.7 / 2.54, 0, 0};
    case rules::PaperSize::UsLandscape: return {11, 8.5, 0, 0};
    case rules::PaperSize::A4Landscape: return {29.7 / 2.54, 21.0 / 2.54, 0, 0};
    case rules::PaperSize::Other: break;
    }
    return {std::max(8.5, printableWidth / 10.0 + 1), 11, 0, 0};
}

} // namespace

int PageLines(int printableWidth)
{
    return int(SheetOf(printableWidth).height * 6);
}

Paper PaperOf(int printableWidth)
{
    Paper paper = SheetOf(printableWidth);
    paper.left = std::max(0.0, (paper.width - printableWidth / 10.0) / 2);
    paper.top = std::max(0.0, (paper.height - PageLines(printableWidth) / 6.0) / 2);
    return paper;
}

} // namespace preview
