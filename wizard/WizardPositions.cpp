// The column-widths page: default or stored positions, written back into the working table.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/DetailPage.h"
#include "wizard/pages/FieldDefinitionsPage.h"
#include "wizard/pages/PaperPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "design/ReportDesign.h"
#include "rules/ColumnCheck.h"
#include "rules/DefaultPositions.h"
#include "rules/EventFieldMap.h"

void Wizard::FillColTable()
{
    QList<rules::PositionRow> rows;
    if (state_.Mode == Mode::Modify && !state_.LayoutDirty) {
        const auto text = [](const std::optional<int>& number) { return number ? QString::number(*number) : QString(); };
        for (const store::FieldRow& row : design().rowsInReportOrder())
            rows.append({row.field, text(row.line), text(row.lposition), text(row.rposition)});
    } else {
        rules::PositionInput input;
        input.fields = orderedFields();
        input.preview = preview_;
        input.printableWidth = paperPage().printableWidth();
        input.detailLevel = detailPage().detailLevel();
        input.customIdRowPlaced =
            input.detailLevel && (state_.Mode == Mode::Create || state_.LayoutDirty);
        rows = rules::DefaultPositions(input);
    }
    widths_->showPositions(rows);
    definitions_->showFields(orderedFields());
}

void Wizard::WriteColWidthsGridToTable()
{
    const QList<rules::PositionRow> rows = widths_->positions();
    for (int row = 0; row < rows.size(); ++row) {
        // The grid shows an event field by its display name; the table holds its stored name,
        // also as the header of a row made here, as of a row the field selection makes.
        const QString key = rules::GetEventFieldName(report_->eventCategory(), rows[row].field);
        design().place({key, key, row + 1, rows[row].line, rows[row].start, rows[row].end});
    }
}

void Wizard::BtnCheckClick()
{
    WriteColWidthsGridToTable();
    const QString failure = design().columnCheckFailure(paperPage().printableWidth());
    if (failure.isEmpty())
        ui::ShowInformation(window_, tr("Columns appear OK."));
    else
        ui::ShowWarning(window_, failure);
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
