#include "wizard/pages/ReportTypePage.h"

#include "ui/Option.h"
#include "wizard/WizardState.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QLabel>
#include <QVBoxLayout>

using namespace pagekit;

ReportTypePage::ReportTypePage(WizardState& state) : state_(state)
{
    QVBoxLayout* layout = ColumnLayout(this, QStringLiteral("Page2"), tr("Report Type"));
    auto* group = new QButtonGroup(this);
    RbContactOrdered = Opt(this, group, QStringLiteral("RbContactOrdered"), tr("Contact Ordered Report"));
    rbDateOrdered = Opt(this, group, QStringLiteral("rbDateOrdered"), tr("Calendar/Date Ordered Report"));
    RbContactOrdered->setChecked(true);
    layout->addWidget(RbContactOrdered);
    layout->addWidget(Text(this, tr("These are reports that are sorted by a contact's last name, company "
                                                "name - usually the most common reports.")));
    layout->addWidget(rbDateOrdered);
    layout->addWidget(Text(this, tr("These are reports that sorted by a date; these reports are "
                                                "normally used for event listings.")));
    layout->addStretch();
    for (auto* option : {RbContactOrdered, rbDateOrdered})
        option->setClickHandler([this] { Notebook1Click(); });
}

bool ReportTypePage::dateOrdered() const
{
    return rbDateOrdered->isChecked();
}

void ReportTypePage::chooseDateOrdered(bool dateOrdered)
{
    (dateOrdered ? rbDateOrdered : RbContactOrdered)->turnOn();
}

void ReportTypePage::Notebook1Click()
{
    state_.CatalogueDirty = true;
}
