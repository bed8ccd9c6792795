#pragma once

#include <QCoreApplication>
#include <QWidget>

struct WizardState;

namespace ui {
class Option;
}

class QLabel;

// Page 2: the kind of information the report includes besides the contact's.
class CategoryPage : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CategoryPage)

public:
    enum class Category { Contact, Event, Note, Call, Letter, Meeting, Todo, Sale, Quote };

    explicit CategoryPage(WizardState& state);

    Category category() const;
    // Turns the category on, as a click does.
    void choose(Category category);
    // The sales and quote options are not offered.
    void hideSalesAndQuotes();

private:
    // A category turned on: the field catalogue is to be filled again.
    void RBContactClick();
    ui::Option* option(Category category) const;

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
