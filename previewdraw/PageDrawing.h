#pragma once

#include "cli/ReportTool.h"

#include <QString>
#include <memory>

namespace previewdraw {

// Draws the pages to scale in a fixed-pitch font, 10 characters and 6 lines an
// inch: into one PDF file, a PDF page per report page (pdf set), or one PNG
// picture a page named page-001.png and so on in a directory (png set).
std::unique_ptr<cli::PageDrawing> MakeDrawing(const QString& pdf, const QString& pngDirectory, int printableWidth);

} // namespace previewdraw
