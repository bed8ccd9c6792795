#include "wizard/dialogs/TFrmSelect.h"

#include "ui/DialogKit.h"
#include "wizard/dialogs/ReportListModel.h"
#include "base/EngineError.h"
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
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace wizard {

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

    grid = new ui::KeyboardTableView(this);
    reports_ = new ReportListModel(grid);
    grid->setModel(reports_);
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

    LblReports = NamedLabel(this, "LblReports", tr("Reports"));
    // The count and its word on one line: "12 Reports".
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblCount);
    bottom->addWidget(LblReports);
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
    connect(grid, &QTableView::doubleClicked, this,
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
    reports_->setHeaders({tr("Description"), tr("Type"), tr("Name")});
}

bool TFrmSelect::LoadIntoGrid()
{
    const QString directory = aliasDirectory();
    MakeCurrent(directory);
    store::ReportListing listing = store::ListReports(QStringLiteral("."));
    if (!listing.unreadable.isEmpty())
        ui::ShowError(this, tr("These report files cannot be read and are not listed:\n%1")
                                  .arg(listing.unreadable.join(u'\n')));
    else if (listing.reports.empty())
        ui::ShowError(this, tr("There were no report files (*.rpt) found in the %1 directory")
                                  .arg(directory));

    const int rows = int(listing.reports.size());
    reports_->setReports(std::move(listing.reports));
    lblCount->setText(QString::number(rows));
    LblReports->setText(rows == 1 ? tr("Report") : tr("Reports"));
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
        // Deleting cannot be undone: No is the answer Return and Escape give.
        if (!ui::AskYesNoWarning(this, tr("Do you want to delete the %1 report?").arg(name).left(255)))
            return;
        if (!deleteListed(name, reports_->report(selected.front().row()).stamp))
            return;
        ui::ShowInformation(this, tr("The report %1 has been deleted.").arg(name));
        accept();
    } else {
        chosenFileName_ = name;
        accept();
    }
}

bool TFrmSelect::deleteListed(const QString& name, const store::ReportStamp& listed)
{
    const QString directory = aliasDirectory();
    const QString path = base::JoinPath(directory, store::ResolveReportName(directory, name));
    // No, the default, keeps a report that someone else changed since it was listed.
    const auto ask = [&](const store::ReportStamp& now) {
        //: %1: the report's file name; %2: the date and time its file gives
        return ui::AskYesNoWarning(
            this, tr("The report %1 has been changed by another program or user since it was listed here (its file "
                     "time says %2).\n\nDo you want to delete it all the same?")
                      .arg(name, QLocale().toString(now.modified(), QLocale::LongFormat)));
    };
    switch (store::DeleteReport(path, listed, ask)) {
    case store::Deletion::Deleted:
        return true;
    case store::Deletion::Kept:
        return false;
    case store::Deletion::Failed:
        break;
    }
    ui::ShowError(this, tr("Unable to delete report"));
    return false;
}

void TFrmSelect::BtnCancelClick()
{
    reject();
}

} // namespace wizard
