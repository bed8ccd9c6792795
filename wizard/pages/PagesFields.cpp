// Pages 6 and 7: field selection and field order.
#include "wizard/Wizard.h"

#include "ui/PickList.h"
#include "wizard/pages/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace pagekit;

namespace {

QFrame* Panel(QWidget* page, const QString& heading)
{
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(panel);
    auto* title = Text(panel, heading, 13);
    title->setFont(Serif(13, true));
    layout->addWidget(title);
    return panel;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

QWidget* Wizard::buildFieldSelectionPage()
{
    auto* grid = GridPage(QStringLiteral("Page6"), QStringLiteral("Field Selection"), 3);
    QWidget* page = grid->parentWidget();
    grid->addWidget(Text(page, QStringLiteral("Select which fields to include in the report.")), 1, 0, 1, 3);
    QLabel* contactHeading = Text(page, QStringLiteral("Contact Fields"));
    grid->addWidget(contactHeading, 2, 0);
    LblEvent = Text(page, QStringLiteral("Event Fields"), 16, QStringLiteral("LblEvent"));
    grid->addWidget(LblEvent, 2, 1);
    PickContactField = new ui::PickList(QStringLiteral("PickContactField"), page);
    PickEventField = new ui::PickList(QStringLiteral("PickEventField"), page);
    for (auto* list : {PickContactField, PickEventField})
        list->setFont(Serif(13));
    // A list's name is not taken from its buddy: it is given the heading's words too.
    contactHeading->setBuddy(PickContactField);
    LblEvent->setBuddy(PickEventField);
    PickContactField->setAccessibleName(contactHeading->text());
    PickEventField->setAccessibleName(LblEvent->text());
    grid->addWidget(PickContactField, 3, 0);
    grid->addWidget(PickEventField, 3, 1);
    LblSelected = Text(page, QString(), 13, QStringLiteral("LblSelected"));
    grid->addWidget(LblSelected, 4, 0, 1, 2);

    auto* side = new QVBoxLayout;
    QFrame* combination = Panel(page, QStringLiteral("Combination Fields"));
    combination->layout()->addWidget(
        Text(combination, QStringLiteral("Some options are special fields derived from multiple fields."), 13));
    side->addWidget(combination);
    BitBtn2 = Button(page, QStringLiteral("BitBtn2"), QStringLiteral("&Special Fields"));
    side->addWidget(BitBtn2);
    QFrame* user = Panel(page, QStringLiteral("User Field Definitions"));
    BtnUser = Button(user, QStringLiteral("BtnUser"), QStringLiteral("&User Fields"));
    user->layout()->addWidget(BtnUser);
    for (QPushButton* button : {BitBtn2, BtnUser})
        button->setFont(Sans(11));  // the bottom bar's font; other pages' buttons keep the page's
    side->addWidget(user);
    side->addStretch();
    grid->addLayout(side, 2, 2, 3, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    return page;
}

QWidget* Wizard::buildFieldOrderPage()
{
    auto* grid = GridPage(QStringLiteral("Page7"), QStringLiteral("Field Order"), 3);
    QWidget* page = grid->parentWidget();
    grid->addWidget(Text(page, QStringLiteral("Select the order from left to right for the fields on the report.")),
                    1, 0, 1, 3);
    lbAllFields = new QListWidget(page);
    lbAllFields->setObjectName(QStringLiteral("lbAllFields"));
    lbAllFields->setFont(Serif(13));
    lbAllFields->setAccessibleName(QStringLiteral("Field Order"));
    grid->addWidget(lbAllFields, 2, 0, 3, 1);
    lbMirror = new QListWidget(page);
    lbMirror->setObjectName(QStringLiteral("lbMirror"));
    lbMirror->hide();
    BtnMoveUp = Button(page, QStringLiteral("BtnMoveUp"), QStringLiteral("Move &Up    "));
    BtnDown = Button(page, QStringLiteral("BtnDown"), QStringLiteral("Move &Down"));
    grid->addWidget(BtnMoveUp, 2, 1);
    grid->addWidget(BtnDown, 3, 1);
    QFrame* note = Panel(page, QStringLiteral("Important Note:"));
    LblCustYes = Text(note,
                      QStringLiteral("You have selected the CustomID field which is controlled by the detail level "
                                     "on the Report Selection Screen inside Omnivale Personal for Windows. This will "
                                     "appear in the first column of your report."),
                      13, QStringLiteral("LblCustYes"));
    LblCustNo = Text(note,
                     QStringLiteral("You have NOT selected the CustomID field. The detail level option will not "
                                    "apply to this report."),
                     13, QStringLiteral("LblCustNo"));
    note->layout()->addWidget(LblCustYes);
    note->layout()->addWidget(LblCustNo);
    grid->addWidget(note, 2, 2, 3, 1);
    // The list and the note take the height the page has to spare, so the title
    // and the instruction stand at the top as on the other pages.
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 2);
    return page;
}
