#pragma once

#include "wizard/pages/PageHooks.h"
#include "store/report/ReportWords.h"

#include <QCoreApplication>
#include <QWidget>
#include <optional>

struct WizardState;

namespace ui {
class Option;
}

class QLabel;

// Page 2: the kind of information the report includes besides the contact's.
class CategoryPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(CategoryPage)

public:
    explicit CategoryPage(WizardState& state);

    // The category turned on; none for the sales and quote options, which no
    // category is bound to.
    std::optional<store::Category> category() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // Turns the category's option on, as a click does.
    void choose(store::Category category);
    // The sales and quote options are not offered.
    void hideSalesAndQuotes();

private:
    // A category turned on: the field catalogue is to be filled again.
    void RBContactClick();
    ui::Option* option(store::Category category) const;

    WizardState& state_;
    ui::Option* RBContact = nullptr;
    ui::Option* RBEvent = nullptr;
    ui::Option* RBNote = nullptr;
    ui::Option* RbCall = nullptr;
    ui::Option* RBLetter = nullptr;
    ui::Option* RbMeeting = nullptr;
    ui::Option* RbTodo = nullptr;
    ui::Option* rbSale = nullptr;
    ui::Option* rbQuote = nullptr;
    QLabel* lblSale1 = nullptr;
    QLabel* lblQuote1 = nullptr;
};
