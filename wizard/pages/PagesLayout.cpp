// Pages 9 and 10: column widths, field definitions.
#include "wizard/Wizard.h"

#include "ui/KeyboardGrid.h"
#include "ui/SpinEdit.h"
#include "wizard/pages/PageKit.h"
#include "ui/DialogKit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace pagekit;

QWidget* Wizard::buildColumnWidthsPage()
{
    auto* grid = GridPage(QStringLiteral("Page9"), QStringLiteral("Column Widths"), 2);
    QWidget* page = grid->parentWidget();
    grid->addWidget(Text(page, QStringLiteral("Type in the starting and ending widths of each of the columns. Note: "
                                              "The units are in tenths of inches.")),
                    1, 0, 1, 2);
    sgCol = new ui::KeyboardTableWidget(1, 4, page);
    sgCol->setObjectName(QStringLiteral("sgCol"));
    sgCol->setAccessibleName(QStringLiteral("Column Widths"));
    sgCol->setFixedSize(ui::Scaled(458), ui::Scaled(277));
    sgCol->verticalHeader()->hide();
    sgCol->horizontalHeader()->setDefaultSectionSize(ui::Scaled(105));
    sgCol->verticalHeader()->setDefaultSectionSize(ui::Scaled(21));
    grid->addWidget(sgCol, 2, 0, 3, 1);
    auto* example = new QVBoxLayout;
    example->addWidget(Text(page, QStringLiteral("Example:")));
    example->addWidget(Text(page, QStringLiteral("If a field starts at 25 that means that it will start at 2.5 "
                                                 "inches from the left edge of the report.")));
    BtnCheck = new QPushButton(QStringLiteral("Check Columns"), page);
    BtnCheck->setObjectName(QStringLiteral("BtnCheck"));
    example->addWidget(BtnCheck);
    example->addStretch();
    grid->addLayout(example, 2, 1, 3, 1);
    return page;
}

QWidget* Wizard::buildFieldDefinitionsPage()
{
    auto* grid = GridPage(QStringLiteral("Page10"), QStringLiteral("Field Definitions"), 2);
    QWidget* page = grid->parentWidget();
    grid->addWidget(Text(page, QStringLiteral("Select the characteristics of the fields by making your selections "
                                              "below.")),
                    1, 0, 1, 2);
    LBFieldDefs = new QListWidget(page);
    LBFieldDefs->setObjectName(QStringLiteral("LBFieldDefs"));
    LBFieldDefs->setAccessibleName(QStringLiteral("Field Definitions"));
    grid->addWidget(LBFieldDefs, 2, 0, 9, 1);
    QLabel* headerLabel = Text(page, QStringLiteral("Column Header"));
    grid->addWidget(headerLabel, 2, 1);
    DBEdit1 = new QLineEdit(page);
    headerLabel->setBuddy(DBEdit1);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setMaxLength(50);
    grid->addWidget(DBEdit1, 3, 1);
    struct Box {
        QCheckBox*& box;
        const char* name;
        const char* caption;
    };
    const Box boxes[] = {
        {cbDotLead, "cbDotLead", "DOT Leaders (....)"}, {cbDotTrail, "cbDotTrail", "DOT Trailers (....)"},
        {DBCBCount, "DBCBCount", "Counted"},             {DBCBMax, "DBCBMax", "Max Value"},
        {DBCBMin, "DBCBMin", "Min Value"},               {DBCBTotal, "DBCBTotal", "Totaled"},
        {DBCBAverage, "DBCBAverage", "Averaged"},
    };
    int row = 4;
    for (const Box& b : boxes) {
        b.box = new QCheckBox(QString::fromLatin1(b.caption), page);
        b.box->setObjectName(QString::fromLatin1(b.name));
        grid->addWidget(b.box, row++, 1);
    }
    btMakeReport = new QPushButton(QStringLiteral("&Make Report"), page);
    btMakeReport->setObjectName(QStringLiteral("btMakeReport"));
    grid->addWidget(btMakeReport, row, 1);
    return page;
}
