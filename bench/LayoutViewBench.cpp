// Layout view: the column-widths page's view of a report of 200 fields, read from
// its grid and painted after a position changed, against the same for 20 fields.
// Both spread their fields over ten lines of a 20-inch printable width.
#include "base/EngineError.h"
#include "bench/Benchmarks.h"
#include "bench/Measure.h"
#include "wizard/view/ColumnLayoutView.h"

#include <QImage>
#include <QTableWidget>
#include <memory>

namespace bench {

namespace {

constexpr int Lines = 10;
constexpr int Width = 200;
constexpr int Repaints = 20;  // per timed run

// A positions grid with its view, the fields of each line side by side.
struct Layout {
    explicit Layout(int fields)
        : grid(fields, 4), image(606, 250, QImage::Format_ARGB32_Premultiplied), span(Width / (fields / Lines))
    {
        const int perLine = fields / Lines;
        for (int row = 0; row < fields; ++row) {
            const int place = row % perLine;
            const QStringList cells{QStringLiteral("Field %1").arg(row), QString::number(row / perLine + 1),
                                    QString::number(place * span + 1), QString::number((place + 1) * span)};
            for (int column = 0; column < 4; ++column)
                grid.setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        wizard::ColumnLayoutView::Source source;
        source.printableWidth = [] { return Width; };
        view = std::make_unique<wizard::ColumnLayoutView>(grid, wizard::ColumnLayoutView::GridColumns{}, std::move(source));
        view->resize(image.size());
    }

    // Each repaint follows a typed position, as the grid's user causes it.
    void repaint()
    {
        for (int i = 0; i < Repaints; ++i) {
            grid.item(0, 3)->setText(QString::number(span - ++turn % 2));
            view->render(&image);
        }
    }

    QTableWidget grid;
    QImage image;
    const int span;  // tenths per field
    int turn = 0;
    std::unique_ptr<wizard::ColumnLayoutView> view;
};

} // namespace

void benchLayoutView(const Settings& settings)
{
    Layout few(20);
    Layout many(200);
    if (many.view->boxRect(199).isEmpty() || few.view->boxRect(19).isEmpty())
        throw base::EngineError(QStringLiteral("the layout view draws no box for the last field"));
    print(compareTimes(
        QStringLiteral("layout view, 200 fields against 20"), settings.runs, [&] { few.repaint(); },
        [&] { many.repaint(); }, 12.0));
}

} // namespace bench
