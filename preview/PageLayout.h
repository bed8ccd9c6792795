#pragma once

#include "preview/PreviewReport.h"
#include "preview/ValueText.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace preview {

// One page of the report as text: line i of lines is printed i / 6 of an inch
// below the top of the printable area, character c of it c / 10 of an inch from
// the left edge (position c + 1). Lines hold no trailing blanks.
struct Page {
    int number = 0; // from 1
    QStringList lines;
};


// The text a column of capacity characters shows for a cell: a value longer
// than the column cut at its end, its last character then the cut mark "…"; dot
// leaders filling the space before the value, dot trailers the space after it
// (a text value with leaders only stands at the column's right end, a number
// with trailers only at its left end). Exactly capacity characters.
QString ColumnText(const CellText& cell, int capacity, bool leaders, bool trailers, bool* cut = nullptr);

// The same written into column, capacity characters.
void PlaceColumn(QChar* column, const CellText& cell, int capacity, bool leaders, bool trailers);

// The cut mark.
inline constexpr char16_t kCutMark = u'\u2026';

// Puts blocks on pages: the column headers at the top of each page, each on its
// field's line and span, and a blank line; then the blocks, each as many lines
// as the report's highest Line, none split over two pages; after the last
// block a blank line and the summary lines. Each page goes to the sink when it
// is full; the sink answers false to stop.
class PageMaker {
public:
    using Sink = std::function<bool(const Page&)>;
    // Throws base::EngineError when a block does not fit on a page.
    PageMaker(const PreviewReport& report, Sink sink);

    // The fields placed (a line from 1, a span within the page's width); the others show nowhere.
    const std::vector<bool>& placed() const { return placed_; }
    int blockLines() const { return blockLines_; }

    // False when the sink asked to stop.
    bool addBlock(const std::vector<CellText>& cells);
    // After the last block: the summary lines, one per summary in use, each
    // field's text in its column; then the last page goes out.
    bool finish(const std::vector<std::vector<QString>>& summaries);
    int pages() const { return pageNumber_; }

    // The widest page line, in characters.
    static constexpr int MaxColumns = 255;

private:
    bool newPageIfFull(int lines);
    bool flush();
    // The characters the field's column holds on the page.
    int capacity(int field) const;
    // Writes the cell into the field's column of line, as ColumnText shows it.
    void put(QString& line, int field, const CellText& cell, bool leaders, bool trailers) const;

    const PreviewReport& report_;
    Sink sink_;
    int pageLines_;
    int blockLines_ = 1;
    int lineWidth_ = 0; // the right end of the rightmost column
    std::vector<bool> placed_;
    QStringList headers_;
    Page page_;
    int pageNumber_ = 0;
    bool open_ = false;
};

} // namespace preview
