// Page 7: field order.
#include "wizard/Wizard.h"

#include "wizard/pages/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace pagekit;

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
