// The operations on existing reports: choosing or deleting one, and the column-width editor.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnWidthsPage.h"
#include "ui/Modal.h"
#include "design/ReportDesign.h"
#include "wizard/dialogs/TFrmColumn.h"
#include "wizard/dialogs/TFrmSelect.h"

namespace wizard {

bool Wizard::selectReport(bool deleting)
{
    TFrmSelect dialog(session_, window_);
    dialog.setTitle(deleting ? tr("Delete an Existing Report") : tr("Modify an Existing Report"));
    dialog.setSelectMode(deleting ? wizard::SelectAction::Delete : wizard::SelectAction::Modify);
    if (ui::ExecModal(dialog) != QDialog::Accepted)
        return false;
    if (!deleting)
        state_.ReportFileName = dialog.chosenFileName();
    return true;
}

void Wizard::loadChosenReport()
{
    LoadConfig();
    widths_->FillColTable();
}

void Wizard::runColumnWidthEditor()
{
    TFrmColumn dialog(session_, report_->head().description, report_->head().width, window_);
    dialog.setEventCategory(report_->eventCategory());
    // Success is told only once the file is written; a failure, or No to
    // overwriting a report someone else changed, leaves the editor open with the edits.
    dialog.setWriteReport([this, &dialog] {
        design().refresh();
        if (!WriteTheReportFile(&dialog, saveTarget()))
            return false;
        ui::ShowInformation(&dialog, tr("Report successfully modified."));
        return true;
    });
    dialog.setPreview([this, &dialog] { showEditorPreview(dialog); });
    ui::ExecModal(dialog);
}

} // namespace wizard
