#include "wizard/dialogs/TFrmSelect.h"

#include "ui/DialogKit.h"
#include "base/Error.h"
#include "ui/ErrorGuard.h"
#include "ui/KeyboardGrid.h"
#include "ui/Modal.h"
#include "base/Paths.h"
#include "store/Alias.h"
#include "store/ReportDirectory.h"
#include "store/ReportNames.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int kRowHeight = 19;
// The reports are chosen on the first page, so F1 here shows that page's topic.
constexpr int kHelpContext = 100;

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A cell of the listing that keeps its text as given. A plain item turns it
// into a QVariant in a list of values, which costs more than reading the report
// it comes from; the text becomes a QVariant only when the cell is shown. Text
// set later goes to the plain item's values and takes precedence.
class ListingCell : public QTableWidgetItem {
public:
    explicit ListingCell(const QString& text) : text_(text) {}

    QVariant data(int role) const override
    {
        QVariant value = QTableWidgetItem::data(role);
        if (!value.isValid() && (role == Qt::DisplayRole || role == Qt::EditRole))
            value = text_;
        return value;
    }

private:
    QString text_;
};

// Makes directory the process's current directory, as the host's listing does;
// the whole path is used.
void MakeCurrent(const QString& directory)
{
    if (::chdir(base::FileNameBytes(directory).constData()) != 0)
        throw base::FileError(TFrmSelect::tr("Cannot open the report directory \"%1\": %2")
                                    .arg(directory, QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

TFrmSelect::TFrmSelect(store::Session& session, QWidget* parent)
    : QDialog(parent), session_(session)
{
    setObjectName(QStringLiteral("FrmSelect"));
    setWindowTitle(tr("Select A Report"));
    setFont(ui::Serif(13));

    LblTitle = NamedLabel(this, "LblTitle", QString());
    LblTitle->setFont(ui::Sans(19, true));

    grid = new ui::KeyboardTableWidget(0, 3, this);
    grid->setObjectName(QStringLiteral("grid"));
    grid->setAccessibleName(tr("Reports"));
    grid->setFont(ui::Serif(13));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setMinimumSectionSize(ui::Scaled(kRowHeight));
    grid->verticalHeader()->setDefaultSectionSize(ui::Scaled(kRowHeight));
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->setColumnWidth(0, ui::Scaled(248));
    grid->setColumnWidth(1, ui::Scaled(97));
    grid->setColumnWidth(2, ui::Scaled(115));

    lblCount = NamedLabel(this, "lblCount", QStringLiteral("0"));
    BtnOk = ui::NamedButton(this, "BtnOk", tr("OK"));
    BtnCancel = ui::NamedButton(this, "BtnCancel", tr("Cancel"));
    BtnOk->setDefault(true);

    auto* count = new QVBoxLayout;
    count->addWidget(lblCount, 0, Qt::AlignHCenter);
    count->addWidget(NamedLabel(this, "LblReports", tr("Reports")), 0, Qt::AlignHCenter);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(count);
    bottom->addStretch();
    bottom->addWidget(BtnOk);
    bottom->addWidget(BtnCancel);
    auto* frame = new QVBoxLayout(this);
    frame->addWidget(LblTitle);
    frame->addWidget(grid, 1);
    frame->addLayout(bottom);
    setFixedSize(ui::Scaled(564), ui::Scaled(366));

    ui::OnClick(BtnOk, this, &TFrmSelect::BtnOkClick);
    ui::OnClick(BtnCancel, this, &TFrmSelect::BtnCancelClick);
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this] { ui::RequestHelp(this, kHelpContext); });
    connect(grid, &QTableWidget::cellDoubleClicked, this,
            [this] { ui::Guarded(this, [this] { BtnOkClick(); }); });

    FormCreate();
}

void TFrmSelect::setTitle(const QString& title)
{
    LblTitle->setText(title);
}

void TFrmSelect::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ui::CentreOnScreen(*this);
}

QString TFrmSelect::aliasDirectory() const
{
    return store::GetAliasDirectory(session_, store::DatabaseAlias);
}

void TFrmSelect::FormCreate()
{
    bool found = false;
    ui::Guarded(this, [&] { found = LoadIntoGrid(); });
    BtnOk->setEnabled(found);
    grid->setHorizontalHeaderLabels({tr("Description"), tr("Type"), tr("Name")});
}

bool TFrmSelect::LoadIntoGrid()
{
    const QString directory = aliasDirectory();
    MakeCurrent(directory);
    const store::ReportListing listing = store::ListReports(QStringLiteral("."));
    if (!listing.unreadable.isEmpty())
        ui::ShowError(this, tr("These report files cannot be read and are not listed:\n%1")
                                  .arg(listing.unreadable.join(u'\n')));
    else if (listing.reports.empty())
        ui::ShowError(this, tr("There were no report files (*.rpt) found in the %1 directory")
                                  .arg(directory));

    const int rows = int(listing.reports.size());
    grid->setRowCount(rows);
    {
        // One change for the whole grid instead of one for each of thousands of cells.
        const QSignalBlocker quiet(grid->model());
        for (int row = 0; row < rows; ++row) {
            const store::ReportEntry& report = listing.reports[std::size_t(row)];
            grid->setItem(row, 0, new ListingCell(report.description));
            grid->setItem(row, 1, new ListingCell(report.typeWord));
            grid->setItem(row, 2, new ListingCell(report.name));
        }
    }
    if (rows > 0)
        emit grid->model()->dataChanged(grid->model()->index(0, 0), grid->model()->index(rows - 1, 2));
    lblCount->setText(QString::number(rows));
    if (rows == 0)
        return false;
    grid->selectRow(0);
    return true;
}

void TFrmSelect::BtnOkClick()
{
    const QModelIndexList selected = grid->selectionModel()->selectedRows(2);
    if (selected.isEmpty())
        return;
    const QString name = selected.front().data().toString();
    if (SelectMode == wizard::SelectAction::Delete) {
        if (!ui::AskYesNo(this, tr("Do you want to delete the %1 report?").arg(name).left(255)))
            return;
        const QString directory = aliasDirectory();
        const QString path = base::JoinPath(directory, store::ResolveReportName(directory, name));
        if (::unlink(base::FileNameBytes(path).constData()) != 0) {
            ui::ShowError(this, tr("Unable to delete report"));
            return;
        }
        accept();
    } else {
        chosenFileName_ = name;
        accept();
    }
}

void TFrmSelect::BtnCancelClick()
{
    reject();
}
