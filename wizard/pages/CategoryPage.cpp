#include "wizard/pages/CategoryPage.h"

#include "design/Report.h"
#include "design/ReportSession.h"
#include "rules/ReportSettings.h"
#include "ui/Describes.h"
#include "ui/Option.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace wizard {

using namespace pagekit;

CategoryPage::CategoryPage(const design::ReportSession& session, const wizard::Mode& mode)
    : session_(session), mode_(mode)
{
    QVBoxLayout* layout = ColumnLayout(this, QStringLiteral("Page3"), tr("Report Information"));
    auto* group = new QButtonGroup(this);
    layout->addWidget(Text(this, tr("Select the type of information to be included on the report. All "
                                                "reports will allow you to select from the Biographical Information "
                                                "fields.")));
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    layout->addStretch();
    struct Entry {
        ui::Option*& option;
        const char* name;
        const char* caption;
        const char* description;
        QLabel** label;
    };
    const Entry entries[] = {
        {RBContact, "RBContact", QT_TR_NOOP("Contact Information Only"), QT_TR_NOOP("First Name, Last Name, User Fields, etc."),
         nullptr},
        {RBEvent, "RBEvent", QT_TR_NOOP("Include Basic Event Fields"), QT_TR_NOOP("Event Time, Event Date, Summary, etc."),
         nullptr},
        {RBNote, "RBNote", QT_TR_NOOP("Include Note Fields"), QT_TR_NOOP("Note Time, Note Date, etc."),
         nullptr},
        {RbCall, "RbCall", QT_TR_NOOP("Include Call Event Fields"), QT_TR_NOOP("Phone Call Time, Duration, etc."),
         nullptr},
        {RBLetter, "RBLetter", QT_TR_NOOP("Include Letter Event Fields"), QT_TR_NOOP("Filename, Summary, etc."),
         nullptr},
        {RbMeeting, "RbMeeting", QT_TR_NOOP("Include Meetings Event Fields"), QT_TR_NOOP("Location, Meeting Time, etc."),
         nullptr},
        {RbTodo, "RbTodo", QT_TR_NOOP("Include To-do Fields"), QT_TR_NOOP("Summary, To-Do Time, To-Do Date, etc."),
         nullptr},
        {rbSale, "rbSale", QT_TR_NOOP("Include Sales Fields"), QT_TR_NOOP("Summary, Sales Time, Sales Amount, etc."),
         &lblSale1},
        {rbQuote, "rbQuote", QT_TR_NOOP("Include Quote Fields"), QT_TR_NOOP("Summary, Quote Date Quote Amount, etc."),
         &lblQuote1},
    };
    int index = 0;
    for (const Entry& e : entries) {
        e.option = Opt(this, group, QString::fromLatin1(e.name), tr(e.caption));
        QLabel* description = Text(this, tr(e.description), 13);
        // Spoken with its option, as it stands under it, and not with the page.
        ui::Describes(*description, *e.option);
        if (e.label) {
            *e.label = description;
            description->setObjectName(e.label == &lblSale1 ? QStringLiteral("lblSale1")
                                                            : QStringLiteral("lblQuote1"));
        }
        const int column = index < 5 ? 0 : 1;
        const int row = (index < 5 ? index : index - 5) * 2;
        grid->addWidget(e.option, row, column);
        grid->addWidget(description, row + 1, column);
        ++index;
    }
    // On before the handlers are in place: the design's starting choice marks nothing.
    RBContact->setChecked(true);
    for (const Entry& e : entries)
        e.option->setClickHandler([this] { RBContactClick(); });
}

ui::Option* CategoryPage::option(store::Category category) const
{
    using store::Category;
    switch (category) {
    case Category::Contact: return RBContact;
    case Category::Event: return RBEvent;
    case Category::Note: return RBNote;
    case Category::Call: return RbCall;
    case Category::Letter: return RBLetter;
    case Category::Meeting: return RbMeeting;
    case Category::Todo: return RbTodo;
    }
    return RBContact;
}

std::optional<store::Category> CategoryPage::category() const
{
    using store::Category;
    if (rbSale->isChecked() || rbQuote->isChecked())
        return std::nullopt;
    for (Category category : {Category::Event, Category::Note, Category::Call, Category::Letter, Category::Meeting,
                              Category::Todo})
        if (option(category)->isChecked())
            return category;
    return Category::Contact;
}

void CategoryPage::choose(store::Category category)
{
    option(category)->turnOn();
}

void CategoryPage::loadCategories(store::ReportType checkedType, const QString& line)
{
    for (const store::Category category : rules::CategoriesTurnedOn(checkedType, line))
        choose(category);
}

void CategoryPage::hideSalesAndQuotes()
{
    rbSale->hide();
    lblSale1->hide();
    rbQuote->hide();
    lblQuote1->hide();
}

void CategoryPage::RBContactClick()
{
    if (onChoice_)
        onChoice_();
}

void CategoryPage::contribute(design::Report& report) const
{
    report.head.category = category();
}

bool CategoryPage::enter(wizard::PageTurn)
{
    if (mode_ == wizard::Mode::Create)
        choose(session_.head().type == store::ReportType::Calendar ? store::Category::Event
                                                                    : store::Category::Contact);
    return true;
}

} // namespace wizard
