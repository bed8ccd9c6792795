#include "preview/PageLayout.h"

#include "base/EngineError.h"
#include "preview/Paper.h"
#include "preview/Summaries.h"

#include <QCoreApplication>

#include <algorithm>

namespace preview {

void PlaceColumn(QChar* column, const CellText& cell, int capacity, bool leaders, bool trailers)
{
    if (capacity <= 0)
        return;
    const qsizetype length = cell.text.size();
    if (length > capacity) {
        std::copy_n(cell.text.constData(), capacity - 1, column);
        column[capacity - 1] = QChar(kCutMark);
        return;
    }
    const qsizetype space = capacity - length;
    Align align = cell.align;
    if (leaders && !trailers)
        align = Align::Right;
    else if (trailers && !leaders)
        align = Align::Left;
    const bool fill = length > 0 && (align == Align::Right ? leaders : trailers);
    const QChar pad(fill ? u'.' : u' ');
    QChar* text = align == Align::Right ? column + space : column;
    QChar* padding = align == Align::Right ? column : column + length;
    std::fill_n(padding, space, pad);
    std::copy_n(cell.text.constData(), length, text);
}

QString ColumnText(const CellText& cell, int capacity, bool leaders, bool trailers, bool* cut)
{
    if (cut)
        *cut = cell.text.size() > capacity;
    QString text(std::max(capacity, 0), u' ');
    PlaceColumn(text.data(), cell, capacity, leaders, trailers);
    return text;
}

PageMaker::PageMaker(const PreviewReport& report, Sink sink)
    : report_(report), sink_(std::move(sink)), pageLines_(PageLines(report.width))
{
    for (const PreviewField& field : report.fields) {
        const bool placed = field.line >= 1 && field.left >= 1 && field.right >= field.left
                            && field.left <= MaxColumns;
        placed_.push_back(placed);
        if (placed) {
            blockLines_ = std::max(blockLines_, field.line);
            lineWidth_ = std::max(lineWidth_, std::min(field.right, MaxColumns));
        }
    }
    // The headers, a blank line and one block at least, and the summaries after it on a page of their own.
    if (2 * blockLines_ + 1 > pageLines_)
        throw base::EngineError(QCoreApplication::translate("Preview", "The report's line %1 does not fit on a page "
                                                                       "of %2 lines.")
                                    .arg(blockLines_)
                                    .arg(pageLines_));
    for (int l = 0; l < blockLines_; ++l)
        headers_ << QString();
    for (std::size_t i = 0; i < report.fields.size(); ++i)
        if (placed_[i])
            put(headers_[report.fields[i].line - 1], int(i), {report.fields[i].header, Align::Left}, false, false);
    for (QString& line : headers_)
        line = line.trimmed().isEmpty() ? QString() : line;
}

int PageMaker::capacity(int field) const
{
    const PreviewField& f = report_.fields[std::size_t(field)];
    return std::min(f.right, MaxColumns) - f.left + 1;
}

void PageMaker::put(QString& line, int field, const CellText& cell, bool leaders, bool trailers) const
{
    const PreviewField& f = report_.fields[std::size_t(field)];
    const int right = std::min(f.right, MaxColumns);
    if (line.size() < right)
        line.resize(right, u' ');
    PlaceColumn(line.data() + f.left - 1, cell, capacity(field), leaders, trailers);
}

bool PageMaker::flush()
{
    if (!open_)
        return true;
    open_ = false;
    for (QString& line : page_.lines) {
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == u' ')
            --end;
        line.truncate(end);
    }
    return sink_(page_);
}

bool PageMaker::newPageIfFull(int lines)
{
    if (open_ && page_.lines.size() + lines <= pageLines_)
        return true;
    if (!flush())
        return false;
    page_ = Page{++pageNumber_, headers_};
    page_.lines << QString();
    open_ = true;
    return true;
}

bool PageMaker::addBlock(const std::vector<CellText>& cells)
{
    if (!newPageIfFull(blockLines_))
        return false;
    const qsizetype first = page_.lines.size();
    for (int l = 0; l < blockLines_; ++l)
        page_.lines << QString(lineWidth_, u' ');
    for (std::size_t i = 0; i < report_.fields.size() && i < cells.size(); ++i) {
        if (!placed_[i])
            continue;
        const PreviewField& f = report_.fields[i];
        put(page_.lines[first + f.line - 1], int(i), cells[i], f.leaders, f.trailers);
    }
    return true;
}

bool PageMaker::finish(const std::vector<std::vector<QString>>& summaries)
{
    std::vector<QString> lines;
    for (const Summary summary : kSummaries) {
        bool used = false;
        QString line;
        for (std::size_t i = 0; i < report_.fields.size(); ++i) {
            const PreviewField& f = report_.fields[i];
            if (!placed_[i] || !f.has(summary))
                continue;
            used = true;
            const QString value = i < summaries.size() ? summaries[i][std::size_t(summary)] : QString();
            // The summary's word before its value where the column has room for both.
            const QString labelled = SummaryLabel(summary) + u' ' + value;
            const CellText cell{labelled.size() <= capacity(int(i)) ? labelled : value, Align::Right};
            put(line, int(i), cell, false, false);
        }
        if (used)
            lines.push_back(line);
    }
    if (!lines.empty()) {
        if (!newPageIfFull(int(lines.size()) + 1))
            return false;
        page_.lines << QString();
        for (const QString& line : lines)
            page_.lines << line;
    } else if (!newPageIfFull(0)) {
        return false;
    }
    return flush();
}

} // namespace preview
