#include "wizard/pages/PaperPage.h"

#include "design/Report.h"
#include "rules/ReportSettings.h"
#include "ui/Option.h"
#include "ui/SpinEdit.h"
#include "wizard/pages/PageKit.h"
#include "ui/DialogKit.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace wizard {

using namespace pagekit;

namespace {

// A width in tenths of an inch, in inches between parentheses, written as the user writes numbers.
QString WidthText(int tenths)
{
    return u'(' + QLocale().toString(tenths / 10.0, 'f', 1) + QStringLiteral("\")");
}

} // namespace

PaperPage::PaperPage()
{
    QVBoxLayout* layout = ColumnLayout(this, QStringLiteral("Page5"), tr("Paper Size"));
    auto* group = new QButtonGroup(this);
    layout->addWidget(Text(this, tr("Select the desired paper size for the report.")));
    RBAmPor = Opt(this, group, QStringLiteral("RBAmPor"), tr("Portrait Mode (8.5 inches x 11 inches)"));
    RbAmLan = Opt(this, group, QStringLiteral("RbAmLan"), tr("Landscape Mode (11 inches x 8.5 inches)"));
    RbA4Por = Opt(this, group, QStringLiteral("RbA4Por"), tr("A4 Portrait Mode (21 cm x 29.7 cm)"));
    RBA4Lan = Opt(this, group, QStringLiteral("RBA4Lan"), tr("A4 Landscape Mode (29.7 cm x 21.0 cm)"));
    RbOther = Opt(this, group, QStringLiteral("RbOther"), tr("Other  Paper Size"));
    RBAmPor->setChecked(true);
    RBAmPor->setClickHandler([this] { RBAmPorClick(); });
    RbAmLan->setClickHandler([this] { RbAmLanClick(); });
    RbA4Por->setClickHandler([this] { RbA4PorClick(); });
    RBA4Lan->setClickHandler([this] { RBA4LanClick(); });
    RbOther->setClickHandler([this] { RbOtherClick(); });

    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(Text(this, tr("American Formats")), 0, 0);
    grid->addWidget(RBAmPor, 1, 0);
    grid->addWidget(RbAmLan, 2, 0);
    grid->addWidget(Text(this, tr("European Formats")), 3, 0);
    grid->addWidget(RbA4Por, 4, 0);
    grid->addWidget(RBA4Lan, 5, 0);
    grid->addWidget(Text(this, tr("Non-Standard")), 6, 0);
    grid->addWidget(RbOther, 7, 0);

    PnlPrint = new QFrame(this);
    PnlPrint->setObjectName(QStringLiteral("PnlPrint"));
    PnlPrint->setFrameShape(QFrame::Panel);
    PnlPrint->setFrameShadow(QFrame::Raised);
    auto* panel = new QGridLayout(PnlPrint);
    QLabel* widthLabel = Text(PnlPrint, tr("Printable Width"));
    panel->addWidget(widthLabel, 0, 0, 1, 2);
    panel->addWidget(Text(PnlPrint, tr("(in tenths of inches)")), 1, 0, 1, 2);
    SpinMargin = new ui::SpinEdit(1, 200, PnlPrint);
    SpinMargin->setFixedWidth(ui::Scaled(64));
    SpinMargin->setObjectName(QStringLiteral("SpinMargin"));
    widthLabel->setBuddy(SpinMargin);
    SpinMargin->setMaxLength(3);
    SpinMargin->setValue(75);
    SpinMargin->setChangeHandler([this] { SpinMarginChange(); });
    LblMargin = Text(PnlPrint, WidthText(75), 16, QStringLiteral("LblMargin"));
    panel->addWidget(SpinMargin, 2, 0);
    panel->addWidget(LblMargin, 2, 1);
    PnlPrint->hide();
    grid->addWidget(PnlPrint, 5, 1, 3, 1);
    grid->setColumnStretch(0, 1);
    layout->addStretch();
}

int PaperPage::printableWidth() const
{
    return SpinMargin->value();
}

void PaperPage::setPrintableWidth(int width)
{
    SpinMargin->setValue(width);
    const std::pair<rules::PaperSize, ui::Option*> papers[] = {
        {rules::PaperSize::UsPortrait, RBAmPor},  {rules::PaperSize::A4Portrait, RbA4Por},
        {rules::PaperSize::UsLandscape, RbAmLan}, {rules::PaperSize::A4Landscape, RBA4Lan},
        {rules::PaperSize::Other, RbOther}};
    const rules::PaperSize paper = rules::PaperOf(width);
    for (const auto& [each, option] : papers)
        if (each == paper)
            option->turnOn();
    if (paper == rules::PaperSize::Other)
        PnlPrint->show();
}

void PaperPage::applyPaper(int width)
{
    SpinMargin->setValue(width);
    LblMargin->setText(WidthText(width));
    SpinMargin->setEnabled(false);
    PnlPrint->hide();
}

void PaperPage::RBAmPorClick()
{
    applyPaper(75);
}

void PaperPage::RbAmLanClick()
{
    // 110 tenths: a report saved on US landscape paper reads back as US landscape.
    applyPaper(110);
}

void PaperPage::RbA4PorClick()
{
    applyPaper(77);
}

void PaperPage::RBA4LanClick()
{
    applyPaper(115);
}

void PaperPage::RbOtherClick()
{
    SpinMargin->setEnabled(true);
    PnlPrint->show();
}

void PaperPage::SpinMarginChange()
{
    LblMargin->setText(WidthText(SpinMargin->value()));
}

void PaperPage::contribute(design::Report& report) const
{
    report.head.width = printableWidth();
}

} // namespace wizard
