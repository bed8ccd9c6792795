// The main window's bottom-bar commands and the buttons of the field-selection
// page that open the small dialogs.
#include "shell/TFrmTabrep.h"

#include "ui/Modal.h"
#include "shell/HelpViewer.h"
#include "shell/ProgramFiles.h"
#include "shell/Slideshow.h"
#include "shell/TFrmSpecial.h"
#include "shell/TFrmUser.h"
#include "shell/TfrmAbout.h"


void TFrmTabrep::btExitClick()
{
    if (ui::AskYesNo(this, tr("Exit now. Are you sure?")))
        close();
}

void TFrmTabrep::BtnSlideShowClick()
{
    slideshow::StartSlideshow(programfiles::ProgramDirectory());
}

void TFrmTabrep::BtnHelpClick()
{
    if (const auto context = help::HelpContextForPage(wizard_->shownPage()))
        help::HelpViewer::current().showTopic(this, programfiles::HelpFile(), *context);
}

void TFrmTabrep::BtnAboutClick()
{
    TfrmAbout dialog(this);
    ui::ExecModal(dialog);
}

void TFrmTabrep::BtnUserClick()
{
    TFrmUser dialog(this);
    ui::ExecModal(dialog);
}

void TFrmTabrep::BitBtn2Click()
{
    TFrmSpecial dialog(&wizard_->contactFields(), this);
    ui::ExecModal(dialog);
}
