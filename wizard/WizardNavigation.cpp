// The page machine: Next, Previous and the page-change routine.
#include "wizard/Wizard.h"

#include "wizard/pages/CategoryPage.h"
#include "wizard/pages/DescriptionPage.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/OperationPage.h"
#include "wizard/pages/PageHooks.h"
#include "wizard/pages/ReportTypePage.h"
#include "ui/Hourglass.h"
#include "ui/Modal.h"
#include "ui/Option.h"
#include "ui/PickList.h"
#include "ui/SpinEdit.h"
#include "store/Alias.h"
#include "design/ReportDesign.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <exception>


void Wizard::BtnNextClick()
{
    ++state_.PageIndex;
    SetBook(PageTurn::Forward);
}

void Wizard::BtnPriorClick()
{
    --state_.PageIndex;
    SetBook(PageTurn::Backward);
}

void Wizard::SetBook(PageTurn turn)
{
    // However the routine ends, also when a called operation fails, the page
    // index, the page shown and the Previous/Next states agree.
    struct Settle {
        Wizard* form;
        int failuresBefore = std::uncaught_exceptions();
        ~Settle()
        {
            if (std::uncaught_exceptions() > failuresBefore)
                form->state_.PageIndex = form->Notebook1->currentIndex();
            form->setNavigationButtons();
        }
    } settle{this};

    // The steps of a page change reach the controls of every page; the first page
    // alone is settled on at start-up.
    if (state_.PageIndex != Operation)
        ensurePages();

    auto stopAt = [this](int page) {
        state_.PageIndex = page;
        showPage(page);
    };
    // The page shown when the turn began; a page that refuses to be left or
    // entered leaves it shown.
    const int from = Notebook1->currentIndex();
    if (turn != PageTurn::None && from != state_.PageIndex && !hooksOf(from).leave(turn)) {
        state_.PageIndex = from;
        return;
    }
    // The pages after the head's own read it from the session.
    if (state_.PageIndex != Operation)
        report_->setHead(headOfPages());

    if (state_.PageIndex == ReportType && !enterOperation())
        return;
    if (state_.PageIndex == ReportType && operationPage().choice() == OperationPage::Choice::ColumnWidths) {
        runColumnWidthEditor();
        stopAt(Operation);
        return;
    }
    if (state_.PageIndex == Category) {
        if (reportTypePage().dateOrdered()) {
            state_.PageIndex = turn == PageTurn::Backward ? ReportType : Description;
            if (state_.Mode == Mode::Create)
                categoryPage().choose(store::Category::Event);
        } else if (state_.Mode == Mode::Create) {
            categoryPage().choose(store::Category::Contact);
        }
    }
    if (state_.PageIndex == Paper && descriptionPage().description().isEmpty()) {
        state_.PageIndex = Description;
        ui::ShowError(window_, tr("You must enter a description."));
        descriptionPage().focusEdit();
        return;
    }
    if (state_.PageIndex == Fields && state_.Mode == Mode::Create)
        FillPickFields(turn);
    if (state_.PageIndex == Order && state_.LayoutDirty && !FillFullList(turn)) {
        state_.PageIndex = Fields;
        ui::ShowError(window_, tr("No Fields Selected."));
        return;
    }
    if (state_.PageIndex == Columns && turn != PageTurn::Backward)
        WriteFieldOrders();

    if (!hooksOf(state_.PageIndex).enter(turn)) {
        state_.PageIndex = from;
        return;
    }
    showPage(state_.PageIndex);
    hooksOf(state_.PageIndex).shown();

    if (state_.PageIndex == Description && descriptionPage().isVisible())
        descriptionPage().focusEdit();
    if (state_.PageIndex == Fields)
        fields_->showTickedCount();
}

bool Wizard::enterOperation()
{
    state_.LayoutDirty = false;
    // A loaded report's longer description widened the edit; a new operation
    // starts with the typed limit again (loading below widens it as needed).
    descriptionPage().allowLength(0);
    ClearCustomTable();
    const OperationPage::Choice operation = operationPage().choice();
    if (operation == OperationPage::Choice::Modify || operation == OperationPage::Choice::Copy)
        state_.Mode = Mode::Modify;
    else if (operation == OperationPage::Choice::ColumnWidths)
        state_.Mode = Mode::Column;
    else if (operation == OperationPage::Choice::Create) {
        state_.Mode = Mode::Create;
        state_.LayoutDirty = true;
    }
    if (operation == OperationPage::Choice::Create)
        return true;
    const bool deleting = operation == OperationPage::Choice::Delete;
    const bool chosen = selectReport(deleting);
    if (!chosen || deleting) {
        state_.PageIndex = Operation;
        showPage(Operation);
        return false;
    }
    const ui::Hourglass hourglass; // a long report takes a moment to load
    LoadConfig();
    widths_->FillColTable();
    return true;
}

void Wizard::CreateDataTable()
{
    design().recreate(store::DatabaseAlias, store::Leftovers::Later);
}

void Wizard::ClearCustomTable()
{
    design().clear();
}
