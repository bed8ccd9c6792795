#include "TFrmTabrep.h"

#include "Alias.h"
#include "EngineError.h"
#include "ErrorGuard.h"
#include "Option.h"
#include "Paths.h"
#include "ProgramFiles.h"
#include "Session.h"
#include "StaleTemporaries.h"
#include "Table.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TFrmTabrep::TFrmTabrep(store::Session& session, QWidget* parent) : WizardForm(session, parent)
{
    base::OnClick(btExit, this, &TFrmTabrep::btExitClick);
    base::OnClick(BtnSlideShow, this, &TFrmTabrep::BtnSlideShowClick);
    base::OnClick(BtnHelp, this, &TFrmTabrep::BtnHelpClick);
    base::OnClick(BtnAbout, this, &TFrmTabrep::BtnAboutClick);
    base::OnClick(BtnUser, this, &TFrmTabrep::BtnUserClick);
    base::OnClick(BitBtn2, this, &TFrmTabrep::BitBtn2Click);
    created_ = base::Guarded(this, [this] {
        try {
            FormCreate();
        } catch (const base::EngineError& e) {
            // Start-up fails only on the alias or the working table: say where to mend it.
            QString text = e.text();
            if (!text.contains(session_.configPath()))
                text += QStringLiteral("\n\nCheck the database alias \"%1\" in %2.")
                            .arg(store::DatabaseAlias, session_.configPath());
            throw base::EngineError(text);
        }
    });
}

void TFrmTabrep::FormCreate()
{
    store::DatabaseAlias = QStringLiteral("OMNIV");
    Label1->setText(QStringLiteral("Tabulon Personal"));
    setWindowTitle(Label1->text());
    TblEvents().SetDatabaseName(store::DatabaseAlias);
    TblContact().SetDatabaseName(store::DatabaseAlias);
    TblTRData().SetDatabaseName(store::DatabaseAlias);
    CreateDataTable();
    // Reports whose saving was cut short left their temporary files behind.
    store::RemoveStaleReportTemporaries(store::GetAliasDirectory(session_, store::DatabaseAlias));
    BtnSlideShow->setVisible(programfiles::SlideshowAvailable());
    programfiles::SetHelpFile(base::JoinPath(programfiles::ProgramDirectory(), QStringLiteral("tabrep.hlp")));
    state_.LayoutDirty = false;
    state_.ContactMemoChosen = false;
    state_.EventMemoChosen = false;
    state_.PageIndex = 0;
    state_.SelectedCount = 0;
    state_.ColumnsGridReady = true;
    SetBook(this);
    rbCustYes->turnOn();
}

void TFrmTabrep::FormShow()
{
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
