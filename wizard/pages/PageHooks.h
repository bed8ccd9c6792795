#pragma once

#include "wizard/WizardState.h"

namespace design {
struct Report;
} // namespace design

namespace wizard {

// What the page machine asks of a page of the notebook. SetBook decides which
// page comes next and calls these in turn; the page owns what leaving and
// entering it means, and its part of the report being designed.
class PageHooks {
public:
    virtual ~PageHooks() = default;

    // The page shown is left by turn. False refuses: the page has told the user
    // why, and stays shown.
    virtual bool leave(PageTurn turn);
    // The page is about to be shown after turn (PageTurn::None: start-up or a
    // load): it fills its controls from the report as it stands. False refuses:
    // the page has told the user why, and the page left stays shown.
    virtual bool enter(PageTurn turn);
    // The page has been shown: where the keyboard goes on it, what it says.
    virtual void shown();
    // The page's part of the report as it stands now, written into report.
    virtual void contribute(design::Report& report) const;

protected:
    PageHooks() = default;
    PageHooks(const PageHooks&) = default;
    PageHooks& operator=(const PageHooks&) = default;
};

} // namespace wizard
