#include "wizard/pages/ColumnWidthsPage.h"

#include "rules/DefaultPositions.h"
#include "ui/DialogKit.h"
#include "ui/KeyboardGrid.h"
#include "wizard/pages/PageKit.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace pagekit;

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

ColumnWidthsPage::ColumnWidthsPage()
{
    QGridLayout* grid = GridLayout(this, QStringLiteral("Page9"), tr("Column Widths"), 2);
    QWidget* page = this;
    grid->addWidget(Text(page, tr("Type in the starting and ending widths of each of the columns. Note: The units "
                                   "are in tenths of inches.")),
                    1, 0, 1, 2);
    sgCol = new ui::KeyboardTableWidget(1, 4, page);
    sgCol->setObjectName(QStringLiteral("sgCol"));
    sgCol->setAccessibleName(tr("Column Widths"));
    sgCol->setFixedSize(ui::Scaled(458), ui::Scaled(277));
    sgCol->verticalHeader()->hide();
    sgCol->horizontalHeader()->setDefaultSectionSize(ui::Scaled(105));
    sgCol->verticalHeader()->setDefaultSectionSize(ui::Scaled(21));
    grid->addWidget(sgCol, 2, 0, 3, 1);
    auto* example = new QVBoxLayout;
    example->addWidget(Text(page, tr("Example:")));
    example->addWidget(Text(page, tr("If a field starts at 25 that means that it will start at 2.5 inches from the "
                                      "left edge of the report.")));
    BtnCheck = Button(page, QStringLiteral("BtnCheck"), tr("Check Columns"));
    example->addWidget(BtnCheck);
    BtnPreview = Button(page, QStringLiteral("BtnPreview"), tr("Pre&view"));
    example->addWidget(BtnPreview);
    example->addStretch();
    grid->addLayout(example, 2, 1, 3, 1);
}

void ColumnWidthsPage::showPositions(const QList<rules::PositionRow>& rows)
{
    sgCol->clear();
    sgCol->setColumnCount(4);
    // Shown only: the positions are read from the cells by their columns.
    sgCol->setHorizontalHeaderLabels({tr("Field"), tr("Line"), tr("Starting At"), tr("Ending At")});
    sgCol->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        sgCol->setItem(i, 0, Cell(rows[i].field, false));
        sgCol->setItem(i, 1, Cell(rows[i].line, false));
        sgCol->setItem(i, 2, Cell(rows[i].start, true));
        sgCol->setItem(i, 3, Cell(rows[i].end, true));
    }
}

QList<rules::PositionRow> ColumnWidthsPage::positions() const
{
    QList<rules::PositionRow> rows;
    for (int row = 0; row < sgCol->rowCount(); ++row) {
        auto text = [&](int column) { return sgCol->item(row, column) ? sgCol->item(row, column)->text() : QString(); };
        rows.append({text(0), text(1), text(2), text(3)});
    }
    return rows;
}

void ColumnWidthsPage::setCheckHandler(std::function<void()> handler)
{
    connect(BtnCheck, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void ColumnWidthsPage::setPreviewHandler(std::function<void()> handler)
{
    connect(BtnPreview, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void ColumnWidthsPage::setEditHandler(std::function<void()> handler)
{
    connect(sgCol, &QTableWidget::itemChanged, this, [handler = std::move(handler)] { handler(); });
}

void ColumnWidthsPage::addLayoutView(ColumnLayoutView::Source source, QWidget* after)
{
    constexpr int ViewHeight = 104;
    auto* view = new ColumnLayoutView(*sgCol, {}, std::move(source), this);
    view->setFixedHeight(ui::Scaled(ViewHeight));
    sgCol->setFixedHeight(sgCol->height() - ui::Scaled(ViewHeight + 6));
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(view, 5, 0, 1, 2);
    QWidget::setTabOrder(after, view);
    // Preview stands under Check Columns but comes after the view, the page's stops before it as they were.
    QWidget::setTabOrder(view, BtnPreview);
}
