// The column-widths page: default or stored positions, written back into the working table.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/DetailPage.h"
#include "wizard/pages/FieldDefinitionsPage.h"
#include "wizard/pages/PaperPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "rules/ColumnCheck.h"
#include "rules/DefaultPositions.h"
#include "rules/EventFieldMap.h"

void Wizard::FillColTable()
{
    QList<rules::PositionRow> rows;
    store::Table& table = TblTRData();
    if (state_.Mode == Mode::Modify && !state_.LayoutDirty) {
        table.SetIndexName(QStringLiteral("iOrder"));
        for (table.First(); !table.Eof(); table.Next()) {
            auto text = [&](const char* column) { return table.FieldByName(QString::fromLatin1(column)).AsString(); };
            rows.append({text("Field"), text("Line"), text("LPosition"), text("RPosition")});
        }
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

void Wizard::WriteColWidthsGridToTable(store::Table& table)
{
    const QStringList fields = orderedFields();
    table.SetIndexName(QString());
    const QList<rules::PositionRow> rows = widths_->positions();
    for (int row = 0; row < rows.size(); ++row) {
        const QString key = rules::GetEventFieldName(state_.EventCategory, rows[row].field);
        try {
            if (table.FindKey({key})) {
                table.Edit();
            } else {
                store::InsertFieldRow(table, key, row < fields.size() ? fields[row] : key, row + 1);
            }
            table.FieldByName(QStringLiteral("Line")).SetAsString(rows[row].line);
            table.FieldByName(QStringLiteral("LPosition")).SetAsString(rows[row].start);
            table.FieldByName(QStringLiteral("RPosition")).SetAsString(rows[row].end);
            table.Post();
        } catch (...) {
            // A refused cell leaves no row half-edited behind.
            if (table.State() == store::TableState::Edit || table.State() == store::TableState::Insert)
                table.Cancel();
            throw;
        }
    }
}

void Wizard::BtnCheckClick()
{
    WriteColWidthsGridToTable(TblTRData());
    const QString failure = rules::ColumnCheckFailure(paperPage().printableWidth(), TblTRData());
    if (failure.isEmpty())
        ui::ShowInformation(window_, QStringLiteral("Columns appear OK."));
    else
        ui::ShowWarning(window_, failure);
}
