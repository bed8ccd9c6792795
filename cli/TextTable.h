#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace cli {

// Rows of cells (the first may be the headers) printed in columns as wide as
// their widest cell, two blanks apart; no line ends in blanks.
class TextTable {
public:
    enum class Align { Left, Right };

    explicit TextTable(std::vector<Align> aligns) : aligns_(std::move(aligns)) {}
    void addRow(QStringList cells);
    QString text() const;

private:
    std::vector<QStringList> rows_;
    std::vector<Align> aligns_;
};

} // namespace cli
