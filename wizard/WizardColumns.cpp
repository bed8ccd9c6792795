// The columns-and-rows page: the layout pass and its preview.
#include "wizard/Wizard.h"

#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/DetailPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "base/TextNumbers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

QStringList Wizard::orderedFields() const
{
    return order_->orderedFields();
}

void Wizard::SetGrid()
{
    state_.ColumnsGridReady = false;
    const int previousRows = std::max(1, base::StrToIntOrZero(Label111->text()));
    const wizard::ColumnLayout layout =
        wizard::LayOutColumns(orderedFields(), detailPage().detailLevel(), SpinCol->value(), previousRows);
    preview_ = layout.cells;
    StringGrid1->clear();
    StringGrid1->setColumnCount(layout.columns);
    StringGrid1->setRowCount(static_cast<int>(layout.cells.size()));
    // The preview takes no input, but its cells read like the grid's fixed cells:
    // dark text on the button colour, not the pale text of a disabled control.
    const QBrush fixedStyle = StringGrid1->palette().button();
    const QBrush fixedText = StringGrid1->palette().buttonText();
    for (int row = 0; row < layout.cells.size(); ++row)
        for (int column = 0; column < layout.cells[row].size(); ++column) {
            auto* cell = new QTableWidgetItem(layout.cells[row][column]);
            cell->setBackground(fixedStyle);
            cell->setForeground(fixedText);
            cell->setTextAlignment(Qt::AlignCenter);
            StringGrid1->setItem(row, column, cell);
        }
    // The cells share the room inside the grid's frame, so that every row and
    // column of the block is seen (the grid allows sections of any size).
    const QSize inside = StringGrid1->contentsRect().size();
    for (int column = 0; column < layout.columns; ++column)
        StringGrid1->setColumnWidth(column, inside.width() / layout.columns);
    for (int row = 0; row < StringGrid1->rowCount(); ++row)
        StringGrid1->setRowHeight(row, inside.height() / layout.rows);
    Label111->setText(QString::number(layout.rows));
    // The message belongs to the pass: the Columns box, losing the focus to the
    // message box, brings its text into range, and that change must not start
    // a second pass (and a second message) inside this one.
    if (layout.limitReached)
        ui::ShowError(window_, wizard::RowLimitMessage());
    state_.ColumnsGridReady = true;
}

void Wizard::SpinColChange()
{
    if (state_.ColumnsGridReady)
        SetGrid();
}

void Wizard::SpinColClick()
{
    state_.LayoutDirty = true;
}

bool Wizard::enterColumnWidths(PageTurn turn)
{
    // Every field must have its cell in the preview before positions are given.
    if (turn == PageTurn::Forward && !wizard::AllFieldsFit(orderedFields(), detailPage().detailLevel(), SpinCol->value())) {
        state_.PageIndex = Columns;
        ui::ShowError(window_, wizard::RowLimitMessage());
        return false;
    }
    FillColTable();
    return true;
}
