// The page machine: Next, Previous and the page-change routine.
#include "wizard/Wizard.h"

#include "wizard/pages/DescriptionPage.h"
#include "wizard/pages/ColumnWidthsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/OperationPage.h"
#include "wizard/pages/PageHooks.h"
#include "store/Alias.h"
#include "design/ReportDesign.h"

#include <QStackedWidget>
#include <exception>

namespace wizard {

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
        shareHead();

    // Page 1 entered from page 2 runs the operation of page 0 again, as leaving
    // page 0 forward does: the report is chosen and loaded anew.
    if (state_.PageIndex == ReportType && turn == PageTurn::Backward && !operationPage().runOperation())
        return;
    if (state_.PageIndex == ReportType && state_.Mode == Mode::Column) {
        runColumnWidthEditor();
        stopAt(Operation);
        return;
    }
    // A date-ordered report has no category to choose: the page is passed over,
    // its choice made as on entering it.
    if (state_.PageIndex == Category && report_->head().type == store::ReportType::Calendar) {
        hooksOf(Category).enter(turn);
        state_.PageIndex = turn == PageTurn::Backward ? ReportType : Description;
    }

    if (!hooksOf(state_.PageIndex).enter(turn)) {
        state_.PageIndex = from;
        return;
    }
    showPage(state_.PageIndex);
    hooksOf(state_.PageIndex).shown();
}

void Wizard::beginOperation(std::optional<Mode> mode)
{
    state_.LayoutDirty = false;
    // A loaded report's longer description widened the edit; a new operation
    // starts with the typed limit again (loading widens it as needed).
    descriptionPage().allowLength(0);
    ClearCustomTable();
    if (mode)
        state_.Mode = *mode;
    if (mode == Mode::Create)
        state_.LayoutDirty = true;
}

void Wizard::backToOperation()
{
    state_.PageIndex = Operation;
    showPage(Operation);
}

void Wizard::CreateDataTable()
{
    design().recreate(store::DatabaseAlias, store::Leftovers::Later);
}

void Wizard::ClearCustomTable()
{
    design().clear();
}

} // namespace wizard
