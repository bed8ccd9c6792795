#pragma once

#include "wizard/pages/PageHooks.h"
#include "wizard/view/ColumnLayoutView.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

struct WizardState;

namespace design {
class ReportSession;
}

namespace rules {
struct PositionRow;
}

class QPushButton;
class QTableWidget;

namespace wizard {

// Page 9: the positions grid, one row per field of the report with its line and
// its starting and ending positions in tenths of an inch, the column check, and
// the view of the columns drawn to scale under the grid. The positions are
// those of the session's rows, or default ones given from the session's
// layout of the fields, which come in the order list's order as orderedFields
// gives them; leaving forward stores them in the rows. window is the parent
// of the page's messages.
class ColumnWidthsPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(ColumnWidthsPage)
public:
    ColumnWidthsPage(const WizardState& state, design::ReportSession& session,
                     std::function<QStringList()> orderedFields, QWidget* window);

    // Entered forward, refused with the row-limit message when a field has no
    // cell in the columns' layout; the positions shown on any entry.
    bool enter(wizard::PageTurn turn) override;
    // Left forward: the positions stored.
    bool leave(wizard::PageTurn turn) override;
    // While the page is shown, the positions as typed: each field's line and
    // positions, a field without a row given one, the fields in report order.
    void contribute(design::Report& report) const override;

    // The grid filled with the positions: the rows' own for a loaded report
    // whose fields are as loaded, else the default ones.
    void FillColTable();
    // The grid's positions stored in the rows, each field in the grid's order.
    void WriteColWidthsGridToTable();
    // Check Columns: the positions stored, and the column check's verdict said.
    void BtnCheckClick();
    // The preview's Apply: the span typed into field's row (field as stored), and checked.
    void applySpan(const QString& field, int left, int right);

    // The grid filled with rows: each field's name and line fixed, its positions typed over.
    void showPositions(const QList<rules::PositionRow>& rows);
    // The grid's rows as they stand; a cell without text reads as empty.
    QList<rules::PositionRow> positions() const;
    // Told when Preview is clicked, and when a position is typed in the grid.
    void setPreviewHandler(std::function<void()> handler);
    void setEditHandler(std::function<void()> handler);
    // The layout view under the grid, which gives up the room, across the page,
    // drawn to the head's printable width with the rows' labels; it follows
    // after in the window's tab order, so the page must be in its window.
    void addLayoutView(QWidget* after);

private:
    const WizardState& state_;
    design::ReportSession& session_;
    std::function<QStringList()> orderedFields_;
    QWidget* window_;
    QTableWidget* sgCol = nullptr;
    QPushButton* BtnCheck = nullptr;
    QPushButton* BtnPreview = nullptr;
};

} // namespace wizard
