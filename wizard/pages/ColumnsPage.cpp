#include "wizard/pages/ColumnsPage.h"

#include "ui/Announce.h"
#include "ui/SpinEdit.h"
#include "base/TextNumbers.h"
#include "design/ReportSession.h"
#include "rules/ColumnLayout.h"
#include "ui/Modal.h"
#include "wizard/WizardState.h"
#include "wizard/pages/PageKit.h"
#include "ui/DialogKit.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPalette>
#include <QTableWidget>
#include <algorithm>

namespace wizard {

using namespace pagekit;

ColumnsPage::ColumnsPage(WizardState& state, design::ReportSession& session,
                         std::function<QStringList()> orderedFields, QWidget* window)
    : state_(state), session_(session), orderedFields_(std::move(orderedFields)), window_(window)
{
    QGridLayout* grid = GridLayout(this, QStringLiteral("Page8"), tr("Column and Rows"), 4);
    QWidget* page = this;
    grid->addWidget(Text(page, tr("Select the number of columns in this report. Multiple rows are "
                                              "allowed and will be created automatically.")),
                    1, 0, 1, 4);
    QLabel* columnsLabel = Text(page, tr("Columns"));
    grid->addWidget(columnsLabel, 2, 0);
    SpinCol = new ui::SpinEdit(1, 20, page);
    SpinCol->setFixedWidth(ui::Scaled(64));
    SpinCol->setObjectName(QStringLiteral("SpinCol"));
    columnsLabel->setBuddy(SpinCol);
    SpinCol->setMaxLength(3);
    SpinCol->setChangeHandler([this] { SpinColChange(); });
    SpinCol->setClickHandler([this] { SpinColClick(); });
    grid->addWidget(SpinCol, 2, 1);
    grid->addWidget(Text(page, tr("Rows")), 2, 2);
    Label111 = Text(page, QStringLiteral("1"), 16, QStringLiteral("Label111"));
    grid->addWidget(Label111, 2, 3);
    StringGrid1 = new ui::SaysCurrentEntry<QTableWidget>(1, 1, page);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("Column and Rows"));
    StringGrid1->setFixedSize(ui::Scaled(569), ui::Scaled(204));
    // A preview only: nothing in it is chosen, edited or clicked. Tab stops at it
    // once, so the layout can be heard cell by cell with the arrows before page 9;
    // it has a current cell only once it has the keyboard (a grid tells a screen
    // reader of a new current cell even while it is hidden).
    StringGrid1->setFocusPolicy(Qt::TabFocus);
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setAttribute(Qt::WA_TransparentForMouseEvents);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette silver = StringGrid1->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    StringGrid1->setPalette(silver);
    grid->addWidget(StringGrid1, 3, 0, 1, 4);
    LblCustYes2 = Text(page, tr("You have selected the CustomID field. This will automatically appear "
                                            "in the first column."),
                       13, QStringLiteral("LblCustYes2"));
    grid->addWidget(LblCustYes2, 4, 0, 1, 4);
    grid->setColumnStretch(3, 1);
}

int ColumnsPage::columnCount() const
{
    return SpinCol->value();
}

void ColumnsPage::setColumnCount(int columns)
{
    SpinCol->setValue(columns);
}

int ColumnsPage::previousRows() const
{
    return std::max(1, base::StrToIntOrZero(Label111->text()));
}

void ColumnsPage::showLayout(const rules::ColumnLayout& layout)
{
    StringGrid1->clear();
    StringGrid1->setColumnCount(layout.columns);
    StringGrid1->setRowCount(static_cast<int>(layout.cells.size()));
    // The preview takes no input, but its cells read like the grid's fixed cells:
    // dark text on the button colour, not the pale text of a disabled control.
    const QBrush fixedStyle = StringGrid1->palette().button();
    const QBrush fixedText = StringGrid1->palette().buttonText();
    for (int row = 0; row < layout.cells.size(); ++row)
        for (int column = 0; column < layout.cells[row].size(); ++column) {
            const QString& text = layout.cells[row][column];
            // A cell without a field is shown in the user's language.
            auto* cell = new QTableWidgetItem(text == rules::Blank ? tr("BLANK") : text);
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
    // The rows follow the columns: the number box that sets them says them too.
    SpinCol->setAccessibleDescription(tr("Rows") + QLatin1Char(' ') + Label111->text());
    if (SpinCol->hasFocus())
        ui::Say(*SpinCol, SpinCol->accessibleDescription());
}

void ColumnsPage::showDetailLevel(bool detailLevel)
{
    LblCustYes2->setVisible(detailLevel);
}

bool ColumnsPage::enter(wizard::PageTurn turn)
{
    if (turn != wizard::PageTurn::Backward)
        fieldsChanged();
    return true;
}

void ColumnsPage::shown()
{
    if (SpinCol->isVisible())
        SpinCol->setFocus();
}

void ColumnsPage::fieldsChanged()
{
    if (columnCount() == 1)
        setColumnCount(static_cast<int>(orderedFields_().size()));
    SetGrid();
}

void ColumnsPage::SetGrid()
{
    state_.ColumnsGridReady = false;
    const rules::ColumnLayout layout =
        rules::LayOutColumns(orderedFields_(), session_.head().detailLevel, columnCount(), previousRows());
    session_.setColumnLayout(layout);
    showLayout(layout);
    // The message belongs to the pass: the Columns box, losing the focus to the
    // message box, brings its text into range, and that change must not start
    // a second pass (and a second message) inside this one.
    if (layout.limitReached)
        ui::ShowError(window_, rules::RowLimitMessage());
    state_.ColumnsGridReady = true;
}

void ColumnsPage::SpinColChange()
{
    if (state_.ColumnsGridReady)
        SetGrid();
}

void ColumnsPage::SpinColClick()
{
    state_.LayoutDirty = true;
}

} // namespace wizard
