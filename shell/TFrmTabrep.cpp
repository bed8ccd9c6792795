#include "shell/TFrmTabrep.h"

#include "base/DirectoryNames.h"
#include "base/EngineError.h"
#include "ui/ErrorGuard.h"
#include "wizard/pages/PageKit.h"
#include "shell/ProgramFiles.h"
#include "store/Alias.h"
#include "design/ReportDesign.h"
#include "store/engine/Session.h"
#include "store/report/StaleTemporaries.h"
#include "translations/Translations.h"
#include "ui/DialogKit.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QKeyEvent>
#include <QShowEvent>
#include <QTimer>

namespace shell {

namespace {

// True when the alias is the thing to mend: it is not defined, or its directory
// does not exist or cannot be written.
bool AliasAtFault(store::Session& session)
{
    try {
        const QFileInfo directory(store::GetAliasDirectory(session, store::DatabaseAlias));
        return !directory.isDir() || !directory.isWritable();
    } catch (const base::EngineError&) {
        return true;
    }
}

// The main window is a window to assistive technology, not a dialog: a screen
// reader that comes back to it (after a message box, say) says its title, where
// for a dialog it would read every text of the page again.
QAccessibleInterface* MainWindowAccessible(const QString&, QObject* object)
{
    if (auto* window = qobject_cast<TFrmTabrep*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

TFrmTabrep::TFrmTabrep(store::Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    static const bool spokenAsWindow = [] {
        QAccessible::installFactory(MainWindowAccessible);
        return true;
    }();
    Q_UNUSED(spokenAsWindow);
    setObjectName(QStringLiteral("FrmTabrep"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFont(pagekit::Serif(16));
    wizard_ = new wizard::Wizard(session, this);
    setFixedSize(ui::Scaled(624), ui::Scaled(434));
    ui::OnClick(wizard_->exitButton(), this, &TFrmTabrep::btExitClick);
    ui::OnClick(wizard_->slideShowButton(), this, &TFrmTabrep::BtnSlideShowClick);
    ui::OnClick(wizard_->helpButton(), this, &TFrmTabrep::BtnHelpClick);
    ui::OnClick(wizard_->aboutButton(), this, &TFrmTabrep::BtnAboutClick);
    connect(wizard_, &wizard::Wizard::userFieldsAsked, this, [this] { ui::Guarded(this, [this] { BtnUserClick(); }); });
    connect(wizard_, &wizard::Wizard::specialFieldsAsked, this, [this] { ui::Guarded(this, [this] { BitBtn2Click(); }); });
    created_ = ui::Guarded(this, [this] {
        try {
            FormCreate();
        } catch (const base::EngineError& e) {
            // A fault of the alias or its directory is mended in the alias file: say
            // where. Others (the working table held by another program) are not.
            QString text = e.text();
            if (!text.contains(session_.configPath()) && AliasAtFault(session_))
                text += tr("\n\nCheck the database alias \"%1\" in %2.")
                            .arg(store::DatabaseAlias, session_.configPath());
            throw base::EngineError(text);
        }
    });
}

TFrmTabrep::~TFrmTabrep()
{
    wizard_->design().close();
}

void TFrmTabrep::FormCreate()
{
    store::DatabaseAlias = store::HostAlias;
    const QString product = tr("Tabulon Personal");
    wizard_->setProductName(product);
    setWindowTitle(product);
    wizard_->setAlias(store::DatabaseAlias);
    // The files an old table and killed writers left go after the first paint (RemoveLeftovers): finding them
    // reads the whole alias directory, which in a large folder took as long as the rest of the start.
    wizard_->CreateDataTable();
    wizard_->slideShowButton()->setVisible(programfiles::SlideshowAvailable());
    programfiles::SetHelpFile(
        programfiles::FindHelpFile(programfiles::ProgramDirectory(), translations::Language()));
    wizard::WizardState& state = wizard_->state();
    state.LayoutDirty = false;
    state.PageIndex = wizard::Operation;
    state.SelectedCount = 0;
    state.ColumnsGridReady = true;
    wizard_->SetBook(wizard::PageTurn::None);
    wizard_->chooseDetailLevel(true);
}

void TFrmTabrep::FormShow()
{
    wizard_->hideSalesAndQuotes();
    wizard_->nextButton()->setFocus();
}

void TFrmTabrep::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFrmTabrep::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (created_ && !leftoversQueued_) {
        leftoversQueued_ = true;
        // Queued, then timed: what was posted with the paint (its flush to the screen) goes first.
        QMetaObject::invokeMethod(
            this, [this] { QTimer::singleShot(0, this, &TFrmTabrep::RemoveLeftovers); }, Qt::QueuedConnection);
    }
}

void TFrmTabrep::RemoveLeftovers()
{
    // The working table's removal and the sweep of report temporaries read the alias directory once between them.
    const base::OnePass pass;
    try {
        wizard_->design().removeLeftovers();
        // Reports whose saving was cut short left their temporary files behind, and a killed lock holder its probe.
        const QString directory = store::GetAliasDirectory(session_, store::DatabaseAlias);
        store::RemoveStaleReportTemporaries(directory);
        store::RemoveStaleLockProbes(directory);
    } catch (const base::EngineError&) {
        // The table taken by another copy, or the folder gone: what is left stays for the next start.
    }
}

void TFrmTabrep::keyPressEvent(QKeyEvent* event)
{
    // The main window has no cancel button: Escape must not close it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace shell
