#include "cli/TextTable.h"

#include <algorithm>

namespace cli {

void TextTable::addRow(QStringList cells)
{
    rows_.push_back(std::move(cells));
}

QString TextTable::text() const
{
    std::vector<qsizetype> widths(aligns_.size(), 0);
    for (const QStringList& row : rows_)
        for (std::size_t c = 0; c < widths.size() && c < std::size_t(row.size()); ++c)
            widths[c] = std::max(widths[c], row[qsizetype(c)].size());
    QString out;
    for (const QStringList& row : rows_) {
        QString line;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QString cell = c < std::size_t(row.size()) ? row[qsizetype(c)] : QString();
            if (c > 0)
                line += QLatin1String("  ");
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
