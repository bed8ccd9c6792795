// The main window's bottom-bar commands and the buttons of the field-selection
// page that open the small dialogs.
#include "shell/TFrmTabrep.h"

#include "design/ReportDesign.h"
#include "ui/Modal.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "shell/HelpViewer.h"
#include "shell/ProgramFiles.h"
#include "shell/Slideshow.h"
#include "shell/TFrmSpecial.h"
#include "shell/TFrmUser.h"
#include "shell/TfrmAbout.h"

namespace shell {

void TFrmTabrep::btExitClick()
{
    if (wizard_->design().lost()) {
        // Closing writes nothing to a table that another copy took over: what is designed here would be lost.
        if (ui::AskYesNoWarning(this, tr("Another copy of the program has taken over the working table of this "
                                         "folder, so this copy writes nothing more, neither the table nor a "
                                         "report, and the report designed here ends with it.\n\nExit now all "
                                         "the same?")))
            close();
        return;
    }
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
    wizard::FieldSelectionPage& page = wizard_->fieldSelectionPage();
    TFrmSpecial dialog(page.combinations(), this);
    ui::ExecModal(dialog);
    // Closed by OK, Escape or the window's menu: the boxes stand as the user left them.
    page.tickCombinations(dialog.choices());
}

} // namespace shell
