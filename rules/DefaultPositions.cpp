#include "rules/DefaultPositions.h"

#include "base/TextNumbers.h"

#include <QMap>

namespace rules {

namespace {

constexpr int CustomIdEnd = 25;

// Gives each row the line of the preview cell that holds its name exactly,
// looking through the block column by column, and counts the fields per line.
// A name found in several cells takes the last one's line and counts for each.
QMap<int, int> AssignLines(QList<PositionRow>& rows, qsizetype firstOrdinary, const PreviewBlock& preview)
{
    QMap<int, int> perLine;
    qsizetype width = 0;
    for (const QStringList& cells : preview)
        width = std::max(width, cells.size());
    for (qsizetype i = firstOrdinary; i < rows.size(); ++i) {
        for (qsizetype col = 0; col < width; ++col) {
            for (qsizetype r = 0; r < preview.size(); ++r) {
                if (col < preview[r].size() && preview[r][col] == rows[i].field) {
                    rows[i].line = QString::number(r + 1);
                    ++perLine[int(r + 1)];
                }
            }
        }
    }
    return perLine;
}

} // namespace

QList<PositionRow> DefaultPositions(const PositionInput& input)
{
    QList<PositionRow> rows;
    for (const QString& name : input.fields)
        rows.append(PositionRow{name, {}, {}, {}});

    int start = 1;
    int onLineOne = 0;
    qsizetype firstOrdinary = 0;
    if (LeadsWithCustomId(input.fields, input.detailLevel)) {
        firstOrdinary = 1;
        rows[0].field = QStringLiteral("CustomID");
        if (input.customIdRowPlaced) {
            rows[0].line = QStringLiteral("1");
            rows[0].start = QStringLiteral("1");
            rows[0].end = QString::number(CustomIdEnd);
            start = CustomIdEnd + 1;
            onLineOne = 1;
        }
    }

    onLineOne += AssignLines(rows, firstOrdinary, input.preview).value(1);
    const int width = onLineOne > 0 ? (input.printableWidth - start) / onLineOne : 0;

    int currentLine = 1;
    int place = 0;
    for (qsizetype i = firstOrdinary; i < rows.size(); ++i) {
        if (base::StrToIntOrZero(rows[i].line) == currentLine) {
            ++place;
        } else {
            ++currentLine;
            place = 1;
        }
        rows[i].end = QString::number(start + place * width - 1);
        rows[i].start = QString::number(start + (place - 1) * width);
    }
    return rows;
}

} // namespace rules
