// "Make Report": settles the file the report goes to and writes it.
#include "WizardForm.h"

#include "Modal.h"
#include "Option.h"
#include "TFrmFilename.h"

#include <QLineEdit>

namespace {

// The save dialog: true when the user chose a new name.
bool AskForName(store::Session& session, WizardState& state, QLineEdit* description, QWidget* parent)
{
    TFrmFilename dialog(session, description->text(), parent);
    if (base::ExecModal(dialog) != QDialog::Accepted)
        return false;
    state.ReportFileName = dialog.reportFileName();
    description->setText(dialog.description());
    return true;
}

} // namespace

void WizardForm::btMakeReportClick()
{
    bool write = true;
    if (state_.Mode == QLatin1String("CREATE"))
        write = AskForName(session_, state_, EdDescription, this);
    else if (state_.Mode == QLatin1String("MODIFY") && RbModify->isChecked()) {
        if (!base::AskYesNo(this, QStringLiteral("Do you want to overwrite the existing report?")))
            write = AskForName(session_, state_, EdDescription, this);
    } else if (state_.Mode == QLatin1String("MODIFY") && RbCopy->isChecked())
        write = AskForName(session_, state_, EdDescription, this);
    if (!write)
        return;
    WriteColWidthsGridToTable(TblTRData());
    WriteTheReportFile(TblTRData());
    base::ShowInformation(this, QStringLiteral("Report successfully created."));
}
