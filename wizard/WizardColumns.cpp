// The columns-and-rows page: the layout pass and its preview.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/DetailPage.h"
#include "ui/ErrorGuard.h"


QStringList Wizard::orderedFields() const
{
    return order_->orderedFields();
}

void Wizard::SetGrid()
{
    state_.ColumnsGridReady = false;
    const rules::ColumnLayout layout = rules::LayOutColumns(orderedFields(), detailPage().detailLevel(),
                                                              columns_->columnCount(), columns_->previousRows());
    preview_ = layout.cells;
    columns_->showLayout(layout);
    // The message belongs to the pass: the Columns box, losing the focus to the
    // message box, brings its text into range, and that change must not start
    // a second pass (and a second message) inside this one.
    if (layout.limitReached)
        ui::ShowError(window_, rules::RowLimitMessage());
    state_.ColumnsGridReady = true;
}

bool Wizard::enterColumnWidths(PageTurn turn)
{
    // Every field must have its cell in the preview before positions are given.
    if (turn == PageTurn::Forward && !rules::AllFieldsFit(orderedFields(), detailPage().detailLevel(), columns_->columnCount())) {
        state_.PageIndex = Columns;
        ui::ShowError(window_, rules::RowLimitMessage());
        return false;
    }
    FillColTable();
    return true;
}
