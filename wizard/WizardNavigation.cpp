// The page machine: Next, Previous and the page-change routine.
#include "WizardForm.h"

#include "Alias.h"
#include "Option.h"
#include "PickList.h"
#include "Table.h"
#include "WorkingTable.h"

#include <QPushButton>
#include <QStackedWidget>

void WizardForm::BtnNextClick()
{
    ++state_.PageIndex;
    SetBook(BtnNext);
}

void WizardForm::BtnPriorClick()
{
    --state_.PageIndex;
    SetBook(BtnPrior);
}

void WizardForm::SetBook(QObject* Sender)
{
    Q_UNUSED(Sender);
    // Whatever fails below, the page shown and the Previous/Next states must agree.
    struct Finally {
        WizardForm* form;
        ~Finally() { form->setNavigationButtons(); }
    } finally{this};

    if (state_.PageIndex == 1) {
        state_.LayoutDirty = false;
        ClearCustomTable(*TblTRData_);
        if (RbModify->isChecked() || RbCopy->isChecked())
            state_.Mode = QStringLiteral("MODIFY");
        else if (RBColumn->isChecked())
            state_.Mode = QStringLiteral("COLUMN");
        else if (RBCreate->isChecked()) {
            state_.Mode = QStringLiteral("CREATE");
            state_.LayoutDirty = true;
        }
    }
    showPage(state_.PageIndex);
}

void WizardForm::CreateDataTable()
{
    store::RecreateWorkingTable(*TblTRData_, store::DatabaseAlias);
}

void WizardForm::ClearCustomTable(store::Table& table)
{
    store::EmptyTable(table);
}

void WizardForm::rbCustYesClick()
{
    const int index = PickContactField->findEntry(QStringLiteral("CustomID"));
    if (index >= 0)
        PickContactField->setEntrySelected(index, true);
    PickContactField->scrollToFirst();
}

void WizardForm::rbCustNoClick()
{
    const int index = PickContactField->findEntry(QStringLiteral("CustomID"));
    if (index >= 0)
        PickContactField->setEntrySelected(index, false);
    PickContactField->scrollToFirst();
}
