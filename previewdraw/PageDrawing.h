#pragma once

#include "cli/ReportTool.h"

#include <QString>
#include <memory>

namespace previewdraw {

// The paper a report of that printable width is printed on, in inches, and where
// the printable area starts on it: the width centred, the lines from the top margin.
struct Paper {
    double width = 8.5;
    double height = 11;
    double left = 0.5;
    double top = 0.5;
};
Paper PaperOf(int printableWidth);

// Draws the pages to scale in a fixed-pitch font, 10 characters and 6 lines an
// inch: into one PDF file, a PDF page per report page (pdf set), or one PNG
// picture a page named page-001.png and so on in a directory (png set).
std::unique_ptr<cli::PageDrawing> MakeDrawing(const QString& pdf, const QString& pngDirectory, int printableWidth);

} // namespace previewdraw
