#pragma once

#include "wizard/pages/PageHooks.h"
#include <QCoreApplication>
#include <QWidget>

struct WizardState;

namespace ui {
class Option;
}

// Page 1: a report ordered by contact or by date.
class ReportTypePage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(ReportTypePage)

public:
    explicit ReportTypePage(WizardState& state);

    bool dateOrdered() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // Turns the type on, as a click does.
    void chooseDateOrdered(bool dateOrdered);

private:
    // The type turned on: the field catalogue is to be filled again.
    void Notebook1Click();

    WizardState& state_;
    ui::Option* RbContactOrdered = nullptr;
    ui::Option* rbDateOrdered = nullptr;
};
