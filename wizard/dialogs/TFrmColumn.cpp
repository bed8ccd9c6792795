#include "wizard/dialogs/TFrmColumn.h"

#include "ui/DialogKit.h"
#include "base/EngineError.h"
#include "ui/ErrorGuard.h"
#include "ui/KeyboardGrid.h"
#include "ui/Modal.h"
#include "base/TextNumbers.h"
#include "store/Alias.h"
#include "design/ReportDesign.h"
#include "rules/ColumnCheck.h"
#include "wizard/view/ColumnLayoutView.h"
#include "rules/FieldLabels.h"
#include "wizard/pages/PageKit.h"
#include "design/FieldGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStyle>
#include <QTableView>
#include <QTimer>

namespace wizard {

namespace {

// The help topic of the column widths (page 9's).
constexpr int ColumnWidthsHelp = 750;

// The grid's columns under their titles in the user's language, which the
// engine's messages use too.
QList<design::GridColumn> GridColumns()
{
    return {
        {store::WorkingColumn::Field, TFrmColumn::tr("Field"), 20, true},
        {store::WorkingColumn::Line, TFrmColumn::tr("Line"), 8, false},
        {store::WorkingColumn::LPosition, TFrmColumn::tr("Left Margin"), 12, false},
        {store::WorkingColumn::RPosition, TFrmColumn::tr("Right Margin"), 12, false},
    };
}

// Gives each column of the view its width in characters of the view's font.
void SizeGridColumns(QTableView& view, const QList<design::GridColumn>& columns)
{
    const int charWidth = view.fontMetrics().averageCharWidth();
    const int padding = 2 * view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 4;
    for (int column = 0; column < columns.size(); ++column)
        view.setColumnWidth(column, columns[column].width * charWidth + padding);
}

// A rectangle laid out in pixels at the default font, grown with the application font.
QRect Scaled(const QRect& r)
{
    return {ui::Scaled(r.x()), ui::Scaled(r.y()), ui::Scaled(r.width()), ui::Scaled(r.height())};
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Scaled(geometry));
    return label;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(Scaled(geometry));
    return button;
}

} // namespace

TFrmColumn::TFrmColumn(store::Session& session, const QString& description, int margin, QWidget* parent)
    : QDialog(parent), design_(std::make_unique<design::ReportDesign>(session, store::DatabaseAlias))
{
    setObjectName(QStringLiteral("FrmColumn"));
    setWindowTitle(tr("Column Widths"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(pagekit::Sans(11));
    setFixedSize(ui::Scaled(493), ui::Scaled(311));
    model_ = design_->gridModel(GridColumns(), this);
    buildControls();
    LblReportName->setText(description);
    LblMargin->setText(QString::number(margin));
    // Read as one: the caption with its number.
    LblRightJust->setAccessibleName(LblRightJust->text() + u' ' + LblMargin->text());
    ui::Guarded(this, [this] { openTable(); });
    addLayoutView();
}

// Every view of the table goes while the table is still there: an edit still
// open is dropped (hiding the window would store it), then the widgets that read
// the rows, then the grid's model.
TFrmColumn::~TFrmColumn()
{
    closeEditor();
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete model_;
}

void TFrmColumn::buildControls()
{
    LblReportName = NamedLabel(this, "LblReportName", {}, {8, 8, 305, 16});
    LblRightJust = NamedLabel(this, "LblRightJust", tr("Right Margin Max:"), {320, 8, 117, 16});
    LblRightJust->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblMargin = NamedLabel(this, "LblMargin", {}, {443, 8, 42, 16});
    // A longer caption (in German, say) grows to the left, into the room of the report's name.
    if (const int grow = LblRightJust->sizeHint().width() - LblRightJust->width(); grow > 0) {
        LblRightJust->setGeometry(LblRightJust->geometry().adjusted(-grow, 0, 0, 0));
        LblReportName->resize(LblReportName->width() - grow, LblReportName->height());
    }
    buildGrid();
    Label1 = NamedLabel(this, "Label1", tr("The left and right margins are in tenths of inches."),
                        {8, 244, 477, 16});
    // Alt+C checks, as Enter presses OK and Escape Cancel.
    BtnCheck = NamedButton(this, "BtnCheck", tr("&Check for Errors"), {8, 272, 121, 27});
    BtnPreview = NamedButton(this, "BtnPreview", tr("Pre&view"), {135, 272, 89, 27});
    BtnOK = NamedButton(this, "BtnOK", tr("OK"), {300, 272, 89, 27});
    BitBtn1 = NamedButton(this, "BitBtn1", tr("Cancel"), {396, 272, 89, 27});
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BtnOK->setDefault(true);
    ui::OnClick(BtnCheck, this, &TFrmColumn::BtnCheckClick);
    ui::OnClick(BtnOK, this, &TFrmColumn::BtnOKClick);
    connect(BtnPreview, &QPushButton::clicked, this, [this] { ui::Guarded(this, [this] {
        if (openPreview_)
            openPreview_();
    }); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    // F1 shows the topic of the column widths, as on their page.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { ui::RequestHelp(this, ColumnWidthsHelp); });
}

void TFrmColumn::buildGrid()
{
    DBGrid1 = new ui::KeyboardTableView(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(tr("Column Widths"));
    DBGrid1->setGeometry(Scaled({8, 32, 477, 204}));
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    DBGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                             | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    DBGrid1->setWordWrap(false);
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    // The indicator column: a narrow row header that marks the current row.
    QHeaderView* indicator = DBGrid1->verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    indicator->setFixedWidth(ui::Scaled(14));
    indicator->setHighlightSections(false);
    SizeGridColumns(*DBGrid1, model_->gridColumns());
    DBGrid1->installEventFilter(this);

    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this, &TFrmColumn::gridCurrentChanged);
    connect(model_, &design::FieldGridModel::cursorMoved, this, &TFrmColumn::followCursor);
    connect(model_, &design::FieldGridModel::refused, this,
            [this](const QModelIndex& index, const QString& typed, const QString& text) {
                refuse(Refusal{text, index.row(), index.column(), typed});
            });
}

// The fields drawn to scale under the grid, which gives up the room; the view
// comes last in the tab order.
void TFrmColumn::addLayoutView()
{
    DBGrid1->setGeometry(Scaled({8, 32, 477, 112}));
    ColumnLayoutView::Source source;
    source.printableWidth = [this] { return base::StrToIntOrZero(LblMargin->text()); };
    source.labels = [this] {
        QHash<QString, QString> labels;
        ui::Guarded(this, [&] { labels = design_->fieldLabels(eventCategory_); });
        return labels;
    };
    auto* view = new ColumnLayoutView(*DBGrid1, {}, std::move(source), this);
    view->setGeometry(Scaled({8, 150, 477, 88}));
    QWidget::setTabOrder(BitBtn1, view);
}

void TFrmColumn::openTable()
{
    QList<std::pair<store::WorkingColumn, QString>> titles;
    for (const design::GridColumn& column : model_->gridColumns())
        titles.append({column.column, column.title});
    design_->openForColumnWidths(titles);
}

void TFrmColumn::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ui::CentreOnScreen(*this);
    ui::Guarded(this, [this] { FormShow(); });
    DBGrid1->setFocus();
}

// Enter in the grid presses the default button; Enter in an open cell only
// finishes the cell (the grid keeps it), so a typed value is never written unseen.
bool TFrmColumn::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            BtnOK->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmColumn::FormShow()
{
    if (!design_->isOpen())
        design_->open();
}

void TFrmColumn::BtnCheckClick()
{
    if (!commitEditor())
        return;
    const int maximum = base::StrToIntOrZero(LblMargin->text());
    const QString failure = design_->columnCheckFailure(maximum);
    if (failure.isEmpty())
        ui::ShowInformation(this, tr("Columns check out OK"));
    else
        ui::ShowWarning(this, failure);
}

void TFrmColumn::applySpan(const QString& field, int left, int right)
{
    for (int row = 0; row < model_->rowCount(); ++row)
        if (model_->index(row, 0).data().toString() == field) {
            if (model_->setData(model_->index(row, 2), QString::number(left)))
                model_->setData(model_->index(row, 3), QString::number(right));
            break;
        }
    BtnCheckClick();
}

void TFrmColumn::BtnOKClick()
{
    if (!commitEditor())
        return;
    design_->storeEdit();
    if (writeReport_ && !writeReport_())
        return;
    accept();
}

// Cancel, Escape and the close box drop an edit still open in the grid: what was
// typed there is not stored, and no refusal of it is shown once the window is gone.
void TFrmColumn::reject()
{
    closeEditor();
    refusal_.reset();
    QDialog::reject();
}

// An edit followed at once by a button (a click, or Enter for the default
// button) has not reached the row yet: the editor is still open, or its commit
// still queued. Stores it now; false when the value was refused.
bool TFrmColumn::commitEditor()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (QWidget* editor = current.isValid() ? DBGrid1->indexWidget(current) : nullptr)
        emit DBGrid1->itemDelegateForIndex(current)->commitData(editor);
    return !refusal_;
}

void TFrmColumn::closeEditor()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (QWidget* editor = current.isValid() ? DBGrid1->indexWidget(current) : nullptr)
        emit DBGrid1->itemDelegateForIndex(current)->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

// The grid may be in the middle of moving, committing or closing an editor: the
// message waits until it is done, and only the first refusal counts (a second
// commit of the same editor repeats it).
void TFrmColumn::refuse(const Refusal& refusal)
{
    if (refusal_)
        return;
    refusal_ = refusal;
    QTimer::singleShot(0, this, &TFrmColumn::showRefusal);
}

void TFrmColumn::showRefusal()
{
    if (!refusal_)
        return;
    const Refusal refusal = *refusal_;
    closeEditor();
    ui::ShowError(this, refusal.text);
    placeGridCursor(refusal.row, refusal.column);
    refusal_.reset();
    const QModelIndex cell = model_->index(refusal.row, refusal.column);
    if (refusal.typed && cell.isValid()) {
        DBGrid1->edit(cell);
        if (auto* editor = qobject_cast<QLineEdit*>(DBGrid1->indexWidget(cell))) {
            editor->setText(*refusal.typed);
            editor->setFocus();
            return;
        }
    }
    DBGrid1->setFocus();
}

// The user moved the grid's cursor: the table follows, posting the row left.
void TFrmColumn::gridCurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (placingGridCursor_ || refusal_ || !current.isValid() || current.row() == model_->currentRow())
        return;
    ui::Guarded(this, [&] {
        try {
            model_->moveTo(current.row());
        } catch (const base::EngineError& e) {
            const int column = previous.isValid() ? previous.column() : current.column();
            refuse(Refusal{e.text(), model_->currentRow(), column, std::nullopt});
        }
    });
}

// The table moved by itself (opened, checked, rows re-read): the grid follows.
void TFrmColumn::followCursor(int row)
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (row < 0 || (current.isValid() && current.row() == row))
        return;
    placeGridCursor(row, current.isValid() ? current.column() : 0);
}

void TFrmColumn::placeGridCursor(int row, int column)
{
    const QModelIndex cell = model_->index(row, column);
    if (!cell.isValid())
        return;
    placingGridCursor_ = true;
    DBGrid1->setCurrentIndex(cell);
    placingGridCursor_ = false;
}

} // namespace wizard
