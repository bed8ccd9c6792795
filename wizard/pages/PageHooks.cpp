#include "wizard/pages/PageHooks.h"

namespace wizard {

// A page without a step of its own on a turn lets the machine go on.
bool PageHooks::leave(PageTurn)
{
    return true;
}

bool PageHooks::enter(PageTurn)
{
    return true;
}

void PageHooks::shown() {}

void PageHooks::contribute(design::Report&) const {}

} // namespace wizard
