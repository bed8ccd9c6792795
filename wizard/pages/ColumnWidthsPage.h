#pragma once

#include "wizard/pages/PageHooks.h"
#include "wizard/view/ColumnLayoutView.h"

#include <QCoreApplication>
#include <QList>
#include <QWidget>
#include <functional>

namespace rules {
struct PositionRow;
}

class QPushButton;
class QTableWidget;

// Page 9: the positions grid, one row per field of the report with its line and
// its starting and ending positions in tenths of an inch, the column check, and
// the view of the columns drawn to scale under the grid.
class ColumnWidthsPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(ColumnWidthsPage)
public:
    ColumnWidthsPage();

    // The grid filled with rows: each field's name and line fixed, its positions typed over.
    void showPositions(const QList<rules::PositionRow>& rows);
    // The grid's rows as they stand; a cell without text reads as empty.
    QList<rules::PositionRow> positions() const;
    // Told when Check Columns is clicked.
    void setCheckHandler(std::function<void()> handler);
    // Told when Preview is clicked, and when a position is typed in the grid.
    void setPreviewHandler(std::function<void()> handler);
    void setEditHandler(std::function<void()> handler);
    // The layout view under the grid, which gives up the room, across the page;
    // it follows after in the window's tab order, so the page must be in its window.
    void addLayoutView(ColumnLayoutView::Source source, QWidget* after);

private:
    QTableWidget* sgCol = nullptr;
    QPushButton* BtnCheck = nullptr;
    QPushButton* BtnPreview = nullptr;
};
