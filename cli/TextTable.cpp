#include "cli/TextTable.h"

#include "cli/Visible.h"

#include <algorithm>

namespace cli {

namespace {

constexpr qsizetype kNarrowest = 6; // a column is narrowed no further
constexpr qsizetype kGap = 2;

// The widths narrowed, the widest first, until the line fits width or no column can give more.
void Narrow(std::vector<qsizetype>& widths, qsizetype width)
{
    qsizetype total = qsizetype(widths.size() - 1) * kGap;
    for (const qsizetype w : widths)
        total += w;
    while (total > width) {
        const auto widest = std::max_element(widths.begin(), widths.end());
        if (*widest <= kNarrowest)
            return;
        --*widest;
        --total;
    }
}

QString Fitted(const QString& cell, qsizetype width)
{
    if (cell.size() <= width)
        return cell;
    qsizetype keep = width - 1; // a character of two code units is kept whole or not at all
    if (keep > 0 && cell[keep - 1].isHighSurrogate())
        --keep;
    return cell.left(keep) + QChar(0x2026);
}

} // namespace

void TextTable::addRow(const QStringList& cells)
{
    QStringList shown;
    shown.reserve(cells.size());
    for (const QString& cell : cells)
        shown << Visible(cell);
    rows_.push_back(std::move(shown));
}

QString TextTable::text(qsizetype width) const
{
    std::vector<qsizetype> widths(aligns_.size(), 0);
    for (const QStringList& row : rows_)
        for (std::size_t c = 0; c < widths.size() && c < std::size_t(row.size()); ++c)
            widths[c] = std::max(widths[c], row[qsizetype(c)].size());
    if (width >= 0 && !widths.empty())
        Narrow(widths, width);
    QString out;
    for (const QStringList& row : rows_) {
        QString line;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString cell = Fitted(c < std::size_t(row.size()) ? row[qsizetype(c)] : QString(), widths[c]);
            if (c > 0)
                line += QString(kGap, u' ');
            line += aligns_[c] == Align::Right ? cell.rightJustified(widths[c]) : cell.leftJustified(widths[c]);
        }
        // Cells left empty at the end of a row leave no blanks behind.
        qsizetype end = line.size();
        while (end > 0 && line[end - 1] == u' ')
            --end;
        out += QStringView(line).left(end);
        out += u'\n';
    }
    return out;
}

} // namespace cli
