#include "shell/TFrmTabrep.h"

#include "base/EngineError.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "shell/ProgramFiles.h"
#include "store/Alias.h"
#include "store/WorkingTable.h"
#include "store/engine/Session.h"
#include "store/engine/Table.h"
#include "store/report/StaleTemporaries.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

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

} // namespace

TFrmTabrep::TFrmTabrep(store::Session& session, QWidget* parent) : WizardForm(session, parent)
{
    ui::OnClick(btExit, this, &TFrmTabrep::btExitClick);
    ui::OnClick(BtnSlideShow, this, &TFrmTabrep::BtnSlideShowClick);
    ui::OnClick(BtnHelp, this, &TFrmTabrep::BtnHelpClick);
    ui::OnClick(BtnAbout, this, &TFrmTabrep::BtnAboutClick);
    created_ = ui::Guarded(this, [this] {
        try {
            FormCreate();
        } catch (const base::EngineError& e) {
            // A fault of the alias or its directory is mended in the alias file: say
            // where. Others (the working table held by another program) are not.
            QString text = e.text();
            if (!text.contains(session_.configPath()) && AliasAtFault(session_))
                text += QStringLiteral("\n\nCheck the database alias \"%1\" in %2.")
                            .arg(store::DatabaseAlias, session_.configPath());
            throw base::EngineError(text);
        }
    });
}

TFrmTabrep::~TFrmTabrep()
{
    store::CloseWorkingTable(TblTRData());
}

void TFrmTabrep::FormCreate()
{
    store::DatabaseAlias = store::HostAlias;
    Label1->setText(QStringLiteral("Tabulon Personal"));
    setWindowTitle(Label1->text());
    TblEvents().SetDatabaseName(store::DatabaseAlias);
    TblContact().SetDatabaseName(store::DatabaseAlias);
    TblTRData().SetDatabaseName(store::DatabaseAlias);
    CreateDataTable();
    // Reports whose saving was cut short left their temporary files behind.
    store::RemoveStaleReportTemporaries(store::GetAliasDirectory(session_, store::DatabaseAlias));
    BtnSlideShow->setVisible(programfiles::SlideshowAvailable());
    programfiles::SetHelpFile(programfiles::FindHelpFile(programfiles::ProgramDirectory()));
    state_.LayoutDirty = false;
    state_.ContactMemoChosen = false;
    state_.EventMemoChosen = false;
    state_.PageIndex = Operation;
    state_.SelectedCount = 0;
    state_.ColumnsGridReady = true;
    SetBook(PageTurn::None);
    ensurePage(Detail);
    rbCustYes->turnOn();
}

void TFrmTabrep::pageBuilt(int index)
{
    if (index == Fields) {
        ui::OnClick(BtnUser, this, &TFrmTabrep::BtnUserClick);
        ui::OnClick(BitBtn2, this, &TFrmTabrep::BitBtn2Click);
    }
}

void TFrmTabrep::FormShow()
{
    ensurePage(Category);
    rbSale->hide();
    lblSale1->hide();
    rbQuote->hide();
    lblQuote1->hide();
    BtnNext->setFocus();
}

void TFrmTabrep::showEvent(QShowEvent* event)
{
    WizardForm::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}
