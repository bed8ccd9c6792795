#include "wizard/pages/ColumnWidthsPage.h"

#include "design/ReportSession.h"
#include "rules/ColumnLayout.h"
#include "rules/DefaultPositions.h"
#include "rules/EventFieldMap.h"
#include "ui/DialogKit.h"
#include "ui/ErrorGuard.h"
#include "ui/KeyboardGrid.h"
#include "ui/Modal.h"
#include "wizard/WizardState.h"
#include "wizard/pages/PageKit.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace wizard {

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

std::optional<int> NumberOf(const QString& text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

} // namespace

ColumnWidthsPage::ColumnWidthsPage(const WizardState& state, design::ReportSession& session,
                                   std::function<QStringList()> orderedFields, QWidget* window)
    : state_(state), session_(session), orderedFields_(std::move(orderedFields)), window_(window)
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
    connect(BtnCheck, &QPushButton::clicked, this, [this] { ui::Guarded(window_, [this] { BtnCheckClick(); }); });
}

bool ColumnWidthsPage::enter(wizard::PageTurn turn)
{
    // Every field must have its cell in the preview before positions are given.
    if (turn == wizard::PageTurn::Forward
        && !rules::AllFieldsFit(orderedFields_(), session_.head().detailLevel, session_.columnLayout().columns)) {
        ui::ShowError(window_, rules::RowLimitMessage());
        return false;
    }
    FillColTable();
    return true;
}

bool ColumnWidthsPage::leave(wizard::PageTurn turn)
{
    if (turn == wizard::PageTurn::Forward)
        WriteColWidthsGridToTable();
    return true;
}

void ColumnWidthsPage::contribute(design::Report& report) const
{
    // Positions typed reach the rows only when the page is left or checked.
    if (state_.PageIndex != wizard::Widths)
        return;
    const QList<rules::PositionRow> rows = positions();
    for (int i = 0; i < rows.size(); ++i) {
        const QString key = rules::GetEventFieldName(session_.eventCategory(), rows[i].field);
        auto field = std::find_if(report.fields.begin(), report.fields.end(),
                                  [&](const store::FieldRow& row) { return row.field == key; });
        if (field == report.fields.end()) {
            store::FieldRow row;
            row.field = row.header = key;
            field = report.fields.insert(report.fields.end(), row);
        }
        field->order = i + 1;
        field->line = NumberOf(rows[i].line);
        field->lposition = NumberOf(rows[i].start);
        field->rposition = NumberOf(rows[i].end);
    }
    report.fields = design::InReportOrder(std::move(report.fields));
}

void ColumnWidthsPage::FillColTable()
{
    QList<rules::PositionRow> rows;
    if (state_.Mode == wizard::Mode::Modify && !state_.LayoutDirty) {
        const auto text = [](const std::optional<int>& number) { return number ? QString::number(*number) : QString(); };
        for (const store::FieldRow& row : session_.rows().rowsInReportOrder())
            rows.append({row.field, text(row.line), text(row.lposition), text(row.rposition)});
    } else {
        rules::PositionInput input;
        input.fields = orderedFields_();
        input.preview = session_.columnLayout().cells;
        input.printableWidth = session_.head().width;
        input.detailLevel = session_.head().detailLevel;
        input.customIdRowPlaced =
            input.detailLevel && (state_.Mode == wizard::Mode::Create || state_.LayoutDirty);
        rows = rules::DefaultPositions(input);
    }
    showPositions(rows);
}

void ColumnWidthsPage::WriteColWidthsGridToTable()
{
    const QList<rules::PositionRow> rows = positions();
    for (int row = 0; row < rows.size(); ++row) {
        // The grid shows an event field by its display name; the table holds its stored name,
        // also as the header of a row made here, as of a row the field selection makes.
        const QString key = rules::GetEventFieldName(session_.eventCategory(), rows[row].field);
        session_.rows().place({key, key, row + 1, rows[row].line, rows[row].start, rows[row].end});
    }
}

void ColumnWidthsPage::BtnCheckClick()
{
    WriteColWidthsGridToTable();
    const QString failure = session_.rows().columnCheckFailure(session_.head().width);
    if (failure.isEmpty())
        ui::ShowInformation(window_, tr("Columns appear OK."));
    else
        ui::ShowWarning(window_, failure);
}

void ColumnWidthsPage::applySpan(const QString& field, int left, int right)
{
    QList<rules::PositionRow> rows = positions();
    for (rules::PositionRow& row : rows)
        if (rules::GetEventFieldName(session_.eventCategory(), row.field) == field) {
            row.start = QString::number(left);
            row.end = QString::number(right);
        }
    showPositions(rows);
    BtnCheckClick();
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

void ColumnWidthsPage::setPreviewHandler(std::function<void()> handler)
{
    connect(BtnPreview, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void ColumnWidthsPage::setEditHandler(std::function<void()> handler)
{
    connect(sgCol, &QTableWidget::itemChanged, this, [handler = std::move(handler)] { handler(); });
}

// The view labels each box as the row of its field says.
void ColumnWidthsPage::addLayoutView(QWidget* after)
{
    ColumnLayoutView::Source source;
    source.printableWidth = [this] { return session_.head().width; };
    source.labels = [this] {
        QHash<QString, QString> labels;
        ui::Guarded(window_, [&] { labels = session_.rows().fieldLabels(session_.eventCategory()); });
        return labels;
    };
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

} // namespace wizard
