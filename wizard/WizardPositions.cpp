// The column-widths page: default or stored positions, written back into the working table.
#include "wizard/Wizard.h"

#include "wizard/pages/DetailPage.h"
#include "wizard/pages/PaperPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "design/ReportDesign.h"
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

void Wizard::WriteColWidthsGridToTable()
{
    const QStringList fields = orderedFields();
    for (int row = 0; row < sgCol->rowCount(); ++row) {
        auto text = [&](int column) { return sgCol->item(row, column) ? sgCol->item(row, column)->text() : QString(); };
        const QString key = rules::GetEventFieldName(state_.EventCategory, text(0));
        design().place({key, row < fields.size() ? fields[row] : key, row + 1, text(1), text(2), text(3)});
    }
}

void Wizard::BtnCheckClick()
{
    WriteColWidthsGridToTable();
    const QString failure = design().columnCheckFailure(paperPage().printableWidth());
    if (failure.isEmpty())
        ui::ShowInformation(window_, QStringLiteral("Columns appear OK."));
    else
        ui::ShowWarning(window_, failure);
}
