// Handlers of the options of pages 0 to 2 and of the paper-size page.
#include "wizard/Wizard.h"

#include "ui/Option.h"
#include "ui/SpinEdit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

void Wizard::RBCreateClick()
{
    state_.CatalogueDirty = true;
}

void Wizard::Notebook1Click()
{
    state_.CatalogueDirty = true;
}

void Wizard::RBContactClick()
{
    state_.CatalogueDirty = true;
}

void Wizard::EdDescriptionChange()
{
    LblDesc->setText(EdDescription->text());
}

namespace {

void applyPaper(ui::SpinEdit* spin, QLabel* label, QFrame* panel, int width, const QString& text)
{
    spin->setValue(width);
    label->setText(text);
    spin->setEnabled(false);
    panel->hide();
}

} // namespace

void Wizard::RBAmPorClick()
{
    applyPaper(SpinMargin, LblMargin, PnlPrint, 75, QStringLiteral("(7.5\")"));
}

void Wizard::RbAmLanClick()
{
    // 110 tenths: a report saved on US landscape paper reads back as US landscape.
    applyPaper(SpinMargin, LblMargin, PnlPrint, 110, QStringLiteral("(11.0\")"));
}

void Wizard::RbA4PorClick()
{
    applyPaper(SpinMargin, LblMargin, PnlPrint, 77, QStringLiteral("(7.7\")"));
}

void Wizard::RBA4LanClick()
{
    applyPaper(SpinMargin, LblMargin, PnlPrint, 115, QStringLiteral("(11.5\")"));
}

void Wizard::RbOtherClick()
{
    SpinMargin->setEnabled(true);
    PnlPrint->show();
}

void Wizard::SpinMarginChange()
{
    LblMargin->setText(u'(' + QLocale().toString(SpinMargin->value() / 10.0, 'f', 1) + QStringLiteral("\")"));
}
