// Pages 0 to 3: operation, report type, information category, description.
#include "wizard/Wizard.h"

#include "ui/Option.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QVBoxLayout>

using namespace pagekit;

namespace {

QLabel* Picture(QWidget* page, const QString& file, const QString& name)
{
    auto* picture = new QLabel(page);
    picture->setObjectName(name);
    picture->setPixmap(QPixmap(file));
    return picture;
}

} // namespace

QWidget* Wizard::buildOperationPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Page1"));
    auto* group = new QButtonGroup(page);
    Label1 = Title(page, QStringLiteral("Tabulon"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Serif(40, true));
    RBCreate = Opt(page, group, QStringLiteral("RBCreate"), QStringLiteral("&Create a New Report"));
    RbModify = Opt(page, group, QStringLiteral("RbModify"), QStringLiteral("&Modify an Existing Report"));
    RbCopy = Opt(page, group, QStringLiteral("RbCopy"), QStringLiteral("Co&py and Modify an Existing Report"));
    RBColumn = Opt(page, group, QStringLiteral("RBColumn"),
                   QStringLiteral("Modify Column &Widths of an Existing Report"));
    RbDelete = Opt(page, group, QStringLiteral("RbDelete"), QStringLiteral("&Delete an Existing Report"));
    RBCreate->setChecked(true);
    for (auto* option : {RBCreate, RbModify, RbCopy, RBColumn, RbDelete})
        option->setClickHandler([this] { RBCreateClick(); });

    auto* grid = new QGridLayout(page);
    grid->addWidget(Label1, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Picture(page, QStringLiteral(":/pictures/operation-details.png"), QStringLiteral("Image1")), 1,
                    0, 2, 1, Qt::AlignCenter);
    grid->addWidget(Picture(page, QStringLiteral(":/pictures/operation-save.png"), QStringLiteral("Image2")), 3, 0,
                    3, 1, Qt::AlignCenter);
    int row = 1;
    for (auto* option : {RBCreate, RbModify, RbCopy, RBColumn, RbDelete})
        grid->addWidget(option, row++, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

QWidget* Wizard::buildReportTypePage()
{
    auto* layout = ColumnPage(QStringLiteral("Page2"), QStringLiteral("Report Type"));
    QWidget* page = layout->parentWidget();
    auto* group = new QButtonGroup(page);
    RbContactOrdered = Opt(page, group, QStringLiteral("RbContactOrdered"), QStringLiteral("Contact Ordered Report"));
    rbDateOrdered = Opt(page, group, QStringLiteral("rbDateOrdered"), QStringLiteral("Calendar/Date Ordered Report"));
    RbContactOrdered->setChecked(true);
    layout->addWidget(RbContactOrdered);
    layout->addWidget(Text(page, QStringLiteral("These are reports that are sorted by a contact's last name, company "
                                                "name - usually the most common reports.")));
    layout->addWidget(rbDateOrdered);
    layout->addWidget(Text(page, QStringLiteral("These are reports that sorted by a date; these reports are "
                                                "normally used for event listings.")));
    layout->addStretch();
    for (auto* option : {RbContactOrdered, rbDateOrdered})
        option->setClickHandler([this] { Notebook1Click(); });
    return page;
}

QWidget* Wizard::buildCategoryPage()
{
    auto* layout = ColumnPage(QStringLiteral("Page3"), QStringLiteral("Report Information"));
    QWidget* page = layout->parentWidget();
    auto* group = new QButtonGroup(page);
    layout->addWidget(Text(page, QStringLiteral("Select the type of information to be included on the report. All "
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
        {RBContact, "RBContact", "Contact Information Only", "First Name, Last Name, User Fields, etc.", nullptr},
        {RBEvent, "RBEvent", "Include Basic Event Fields", "Event Time, Event Date, Summary, etc.", nullptr},
        {RBNote, "RBNote", "Include Note Fields", "Note Time, Note Date, etc.", nullptr},
        {RbCall, "RbCall", "Include Call Event Fields", "Phone Call Time, Duration, etc.", nullptr},
        {RBLetter, "RBLetter", "Include Letter Event Fields", "Filename, Summary, etc.", nullptr},
        {RbMeeting, "RbMeeting", "Include Meetings Event Fields", "Location, Meeting Time, etc.", nullptr},
        {RbTodo, "RbTodo", "Include To-do Fields", "Summary, To-Do Time, To-Do Date, etc.", nullptr},
        {rbSale, "rbSale", "Include Sales Fields", "Summary, Sales Time, Sales Amount, etc.", &lblSale1},
        {rbQuote, "rbQuote", "Include Quote Fields", "Summary, Quote Date Quote Amount, etc.", &lblQuote1},
    };
    int index = 0;
    for (const Entry& e : entries) {
        e.option = Opt(page, group, QString::fromLatin1(e.name), QString::fromLatin1(e.caption));
        QLabel* description = Text(page, QString::fromLatin1(e.description), 13);
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
    return page;
}

QWidget* Wizard::buildDescriptionPage()
{
    auto* layout = ColumnPage(QStringLiteral("Page4"), QStringLiteral("Report Description"));
    QWidget* page = layout->parentWidget();
    QLabel* prompt = Text(page, QStringLiteral("Type a short description for the report:"));
    layout->addWidget(prompt);
    EdDescription = new QLineEdit(page);
    prompt->setBuddy(EdDescription);
    EdDescription->setObjectName(QStringLiteral("EdDescription"));
    EdDescription->setMaxLength(DescriptionLength);
    connect(EdDescription, &QLineEdit::textChanged, this, &Wizard::EdDescriptionChange);
    layout->addWidget(EdDescription);
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* panelLayout = new QVBoxLayout(panel);
    for (const char* line : {"The description is used to help you remember the contents of the report.",
                             "Examples:", "Birthday Report", "Zip Code Report", "Contact listing Report",
                             "City report"})
        panelLayout->addWidget(Text(panel, QString::fromLatin1(line)));
    layout->addWidget(panel);
    layout->addStretch();
    return page;
}
