#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace cli {

// Rows of cells (the first may be the headers) printed in columns as wide as
// their widest cell, two blanks apart; no line ends in blanks. Cells are shown
// as Visible shows them.
class TextTable {
public:
    enum class Align { Left, Right };

    explicit TextTable(std::vector<Align> aligns) : aligns_(std::move(aligns)) {}
    void addRow(const QStringList& cells);
    // Lines of at most width characters when the table is wider: the widest
    // columns are narrowed in turn (to no less than a few characters), and a cell
    // cut to its column ends in "…".
    QString text(qsizetype width = -1) const;

private:
    std::vector<QStringList> rows_;
    std::vector<Align> aligns_;
};

} // namespace cli
