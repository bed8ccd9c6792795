#pragma once

#include "wizard/pages/PageHooks.h"
#include "store/report/ReportWords.h"

#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <optional>

namespace design {
class ReportSession;
}

namespace ui {
class Option;
}

class QLabel;

namespace wizard {

// Page 2: the kind of information the report includes besides the contact's.
class CategoryPage : public QWidget, public wizard::PageHooks {
    Q_DECLARE_TR_FUNCTIONS(CategoryPage)

public:
    // The head's type from session; mode says whether a new report is designed.
    CategoryPage(const design::ReportSession& session, const wizard::Mode& mode);

    // The category turned on; none for the sales and quote options, which no
    // category is bound to.
    std::optional<store::Category> category() const;
    // Its part of the report's head.
    void contribute(design::Report& report) const override;
    // A new report starts with the category its type takes first: the basic event
    // fields for a date-ordered one, contact information only otherwise. The page
    // machine enters this page also when it passes it over for a date-ordered report.
    bool enter(wizard::PageTurn turn) override;
    // Turns the category's option on, as a click does.
    void choose(store::Category category);
    // A loaded report's line 3 under the type checked: its options turned on
    // one after another, each as a click (rules::CategoriesTurnedOn).
    void loadCategories(store::ReportType checkedType, const QString& line);
    // The sales and quote options are not offered.
    void hideSalesAndQuotes();
    // Told whenever one of its options is turned on.
    void setChoiceHandler(std::function<void()> handler) { onChoice_ = std::move(handler); }

private:
    // A category turned on (the field catalogue is to be filled again).
    void RBContactClick();
    ui::Option* option(store::Category category) const;

    const design::ReportSession& session_;
    const wizard::Mode& mode_;
    std::function<void()> onChoice_;
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

} // namespace wizard
