// Pages 4 and 5: paper size and detail level.
#include "wizard/Wizard.h"

#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

using namespace pagekit;

QWidget* Wizard::buildPaperPage()
{
    auto* layout = ColumnPage(QStringLiteral("Page5"), QStringLiteral("Paper Size"));
    QWidget* page = layout->parentWidget();
    auto* group = new QButtonGroup(page);
    layout->addWidget(Text(page, QStringLiteral("Select the desired paper size for the report.")));
    RBAmPor = Opt(page, group, QStringLiteral("RBAmPor"), QStringLiteral("Portrait Mode (8.5 inches x 11 inches)"));
    RbAmLan = Opt(page, group, QStringLiteral("RbAmLan"), QStringLiteral("Landscape Mode (11 inches x 8.5 inches)"));
    RbA4Por = Opt(page, group, QStringLiteral("RbA4Por"), QStringLiteral("A4 Portrait Mode (21 cm x 29.7 cm)"));
    RBA4Lan = Opt(page, group, QStringLiteral("RBA4Lan"), QStringLiteral("A4 Landscape Mode (29.7 cm x 21.7 cm)"));
    RbOther = Opt(page, group, QStringLiteral("RbOther"), QStringLiteral("Other  Paper Size"));
    RBAmPor->setChecked(true);
    RBAmPor->setClickHandler([this] { RBAmPorClick(); });
    RbAmLan->setClickHandler([this] { RbAmLanClick(); });
    RbA4Por->setClickHandler([this] { RbA4PorClick(); });
    RBA4Lan->setClickHandler([this] { RBA4LanClick(); });
    RbOther->setClickHandler([this] { RbOtherClick(); });

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(Text(page, QStringLiteral("American Formats")), 0, 0);
    grid->addWidget(RBAmPor, 1, 0);
    grid->addWidget(RbAmLan, 2, 0);
    grid->addWidget(Text(page, QStringLiteral("European Formats")), 3, 0);
    grid->addWidget(RbA4Por, 4, 0);
    grid->addWidget(RBA4Lan, 5, 0);
    grid->addWidget(Text(page, QStringLiteral("Non-Standard")), 6, 0);
    grid->addWidget(RbOther, 7, 0);

    PnlPrint = new QFrame(page);
    PnlPrint->setObjectName(QStringLiteral("PnlPrint"));
    PnlPrint->setFrameShape(QFrame::Panel);
    PnlPrint->setFrameShadow(QFrame::Raised);
    auto* panel = new QGridLayout(PnlPrint);
    QLabel* widthLabel = Text(PnlPrint, QStringLiteral("Printable Width"));
    panel->addWidget(widthLabel, 0, 0, 1, 2);
    panel->addWidget(Text(PnlPrint, QStringLiteral("(in tenths of inches)")), 1, 0, 1, 2);
    SpinMargin = new ui::SpinEdit(1, 200, PnlPrint);
    SpinMargin->setFixedWidth(64);
    SpinMargin->setObjectName(QStringLiteral("SpinMargin"));
    widthLabel->setBuddy(SpinMargin);
    SpinMargin->setMaxLength(3);
    SpinMargin->setValue(75);
    SpinMargin->setChangeHandler([this] { SpinMarginChange(); });
    LblMargin = Text(PnlPrint, QStringLiteral("(7.5\")"), 16, QStringLiteral("LblMargin"));
    panel->addWidget(SpinMargin, 2, 0);
    panel->addWidget(LblMargin, 2, 1);
    PnlPrint->hide();
    grid->addWidget(PnlPrint, 5, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    layout->addStretch();
    return page;
}

QWidget* Wizard::buildDetailPage()
{
    auto* layout = ColumnPage(QStringLiteral("Page4_5"), QStringLiteral("Detail Level"));
    QWidget* page = layout->parentWidget();
    auto* group = new QButtonGroup(page);
    layout->addWidget(Text(page, QStringLiteral("The Detail Level is found on the Reports Screen in Omnivale. If "
                                                "selected, the detail level information will always appear in the "
                                                "first column of the report.")));
    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("Image3"));
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/detail-level.png")));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(Text(page, QStringLiteral("The detail level option is displayed in the Reports screen.")));
    rbCustYes = Opt(page, group, QStringLiteral("rbCustYes"), QStringLiteral("Yes, use Detail Level"));
    rbCustNo = Opt(page, group, QStringLiteral("rbCustNo"), QStringLiteral("No"));
    rbCustYes->setClickHandler([this] { rbCustYesClick(); });
    rbCustNo->setClickHandler([this] { rbCustNoClick(); });
    layout->addWidget(rbCustYes);
    layout->addWidget(rbCustNo);
    layout->addStretch();
    return page;
}
