#include "preview/Paper.h"

#include "preview/PageLayout.h"

#include <algorithm>

namespace preview {

Paper PaperOf(int printableWidth)
{
    Paper paper;
    switch (printableWidth) {
    case 77: paper = {21.0 / 2.54, 29.7 / 2.54, 0, 0}; break;
    case 110: paper = {11, 8.5, 0, 0}; break;
    case 115: paper = {29.7 / 2.54, 21.0 / 2.54, 0, 0}; break;
    case 75: break;
    default: paper.width = std::max(8.5, printableWidth / 10.0 + 1); break;
    }
    paper.left = std::max(0.0, (paper.width - printableWidth / 10.0) / 2);
    paper.top = std::max(0.0, (paper.height - preview::PageLines(printableWidth) / 6.0) / 2);
    return paper;
}

} // namespace preview
