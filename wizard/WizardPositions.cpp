// The column-widths page: default or stored positions, written back into the working table.
#include "wizard/Wizard.h"

#include "wizard/pages/DetailPage.h"
#include "wizard/pages/PaperPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "rules/ColumnCheck.h"
#include "rules/DefaultPositions.h"
#include "rules/EventFieldMap.h"

#include <QListWidget>
#include <QTableWidget>

namespace {

QTableWidgetItem* Cell(const QString& text, bool editable)
{
    auto* cell = new QTableWidgetItem(text);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable)
        flags |= Qt::ItemIsEditable;
    cell->setFlags(flags);
    return cell;
}

} // namespace

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
    sgCol->clear();
    sgCol->setColumnCount(4);
    sgCol->setHorizontalHeaderLabels({QStringLiteral("Field"), QStringLiteral("Line"), QStringLiteral("Starting At"),
                                      QStringLiteral("Ending At")});
    sgCol->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        sgCol->setItem(i, 0, Cell(rows[i].field, false));
        sgCol->setItem(i, 1, Cell(rows[i].line, false));
        sgCol->setItem(i, 2, Cell(rows[i].start, true));
        sgCol->setItem(i, 3, Cell(rows[i].end, true));
    }
    LBFieldDefs->clear();
    LBFieldDefs->addItems(orderedFields());
}

void Wizard::WriteColWidthsGridToTable(store::Table& table)
{
    const QStringList fields = orderedFields();
    table.SetIndexName(QString());
    for (int row = 0; row < sgCol->rowCount(); ++row) {
        auto text = [&](int column) { return sgCol->item(row, column) ? sgCol->item(row, column)->text() : QString(); };
        const QString key = rules::GetEventFieldName(state_.EventCategory, text(0));
        try {
            if (table.FindKey({key})) {
                table.Edit();
            } else {
                store::InsertFieldRow(table, key, row < fields.size() ? fields[row] : key, row + 1);
            }
            table.FieldByName(QStringLiteral("Line")).SetAsString(text(1));
            table.FieldByName(QStringLiteral("LPosition")).SetAsString(text(2));
            table.FieldByName(QStringLiteral("RPosition")).SetAsString(text(3));
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
