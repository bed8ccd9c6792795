#include "wizard/pages/OperationPage.h"

#include "ui/Hourglass.h"
#include "ui/Option.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>

namespace wizard {

using namespace pagekit;

OperationPage::OperationPage(Steps steps) : steps_(std::move(steps))
{
    setObjectName(QStringLiteral("Page1"));
    auto* group = new QButtonGroup(this);
    Label1 = Title(this, tr("Tabulon"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Serif(40, true));
    RBCreate = Opt(this, group, QStringLiteral("RBCreate"), tr("&Create a New Report"));
    RbModify = Opt(this, group, QStringLiteral("RbModify"), tr("&Modify an Existing Report"));
    RbCopy = Opt(this, group, QStringLiteral("RbCopy"), tr("C&opy and Modify an Existing Report"));
    RBColumn = Opt(this, group, QStringLiteral("RBColumn"),
                   tr("Modify Column &Widths of an Existing Report"));
    RbDelete = Opt(this, group, QStringLiteral("RbDelete"), tr("&Delete an Existing Report"));
    RBCreate->setChecked(true);
    for (auto* option : {RBCreate, RbModify, RbCopy, RBColumn, RbDelete})
        option->setClickHandler([this] { RBCreateClick(); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Picture(this, QStringLiteral(":/pictures/operation-details.png"), QStringLiteral("Image1")), 1,
                    0, 2, 1, Qt::AlignCenter);
    grid->addWidget(Picture(this, QStringLiteral(":/pictures/operation-save.png"), QStringLiteral("Image2")), 3, 0,
                    3, 1, Qt::AlignCenter);
    int row = 1;
    for (auto* option : {RBCreate, RbModify, RbCopy, RBColumn, RbDelete})
        grid->addWidget(option, row++, 1);
    grid->setColumnStretch(1, 1);
}

void OperationPage::setTitle(const QString& text)
{
    Label1->setText(text);
}

OperationPage::Choice OperationPage::choice() const
{
    if (RbModify->isChecked())
        return Choice::Modify;
    if (RbCopy->isChecked())
        return Choice::Copy;
    if (RBColumn->isChecked())
        return Choice::ColumnWidths;
    if (RbDelete->isChecked())
        return Choice::Delete;
    return Choice::Create;
}

void OperationPage::RBCreateClick()
{
    if (onChoice_)
        onChoice_();
}

bool OperationPage::runOperation()
{
    using wizard::Mode;
    const Choice operation = choice();
    const std::optional<Mode> modes[] = {Mode::Create, Mode::Modify, Mode::Modify, Mode::Column, std::nullopt};
    steps_.begin(modes[int(operation)]);
    if (operation == Choice::Create)
        return true;
    const bool deleting = operation == Choice::Delete;
    const bool chosen = steps_.chooseReport(deleting);
    if (!chosen || deleting) {
        steps_.stay();
        return false;
    }
    const ui::Hourglass hourglass; // a long report takes a moment to load
    steps_.load();
    return true;
}

bool OperationPage::leave(wizard::PageTurn turn)
{
    return turn != wizard::PageTurn::Forward || runOperation();
}

} // namespace wizard
