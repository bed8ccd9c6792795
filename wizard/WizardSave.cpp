// "Make Report": settles the file the report goes to and writes it.
#include "wizard/Wizard.h"

#include "wizard/pages/DescriptionPage.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/FieldDefinitionsPage.h"
#include "wizard/pages/OperationPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Modal.h"
#include "ui/Option.h"
#include "wizard/dialogs/TFrmFilename.h"

namespace wizard {

namespace {

// The save dialog: true when the user chose a new name.
bool AskForName(store::Session& session, WizardState& state, DescriptionPage& description, QWidget* parent)
{
    TFrmFilename dialog(session, description.description(), parent);
    if (ui::ExecModal(dialog) != QDialog::Accepted)
        return false;
    state.ReportFileName = dialog.reportFileName();
    description.setDescription(dialog.description());
    return true;
}

} // namespace

void Wizard::btMakeReportClick()
{
    // The loaded report is written over only on Yes, and when someone else
    // changed it since, only on a second Yes; No leads to a new name.
    SaveTarget target = saveTarget();
    bool named = true;
    if (state_.Mode == Mode::Create)
        named = false;
    else if (state_.Mode == Mode::Modify && operationPage().choice() == OperationPage::Choice::Modify)
        named = ui::AskYesNo(window_, tr("Do you want to overwrite the existing report?"))
                && confirmReplacing(window_, target);
    else if (state_.Mode == Mode::Modify && operationPage().choice() == OperationPage::Choice::Copy)
        named = false;
    if (!named) {
        if (!AskForName(session_, state_, descriptionPage(), window_))
            return;
        target = saveTarget();
    }
    bool written = false;
    {
        // Storing the grid and writing the file walk the working table and leave
        // it on another row; however they end, the header edit and the check
        // boxes go back to the field the list highlights.
        struct BackToHighlighted {
            Wizard* form;
            ~BackToHighlighted()
            {
                ui::Guarded(form->window_, [this] { form->definitions_->LBFieldDefsClick(form->definitions_); });
            }
        } backToHighlighted{this};
        widths_->WriteColWidthsGridToTable();
        written = WriteTheReportFile(window_, target);
    }
    if (written)
        ui::ShowInformation(window_, tr("Report successfully created."));
}

} // namespace wizard
