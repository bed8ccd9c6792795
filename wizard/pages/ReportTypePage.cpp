#include "wizard/pages/ReportTypePage.h"

#include "design/Report.h"
#include "ui/Describes.h"
#include "ui/Option.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QLabel>
#include <QVBoxLayout>

namespace wizard {

using namespace pagekit;

ReportTypePage::ReportTypePage()
{
    QVBoxLayout* layout = ColumnLayout(this, QStringLiteral("Page2"), tr("Report Type"));
    auto* group = new QButtonGroup(this);
    RbContactOrdered = Opt(this, group, QStringLiteral("RbContactOrdered"), tr("Contact Ordered Report"));
    rbDateOrdered = Opt(this, group, QStringLiteral("rbDateOrdered"), tr("Calendar/Date Ordered Report"));
    RbContactOrdered->setChecked(true);
    // Each option with the text under it, spoken with it (not with the page as a block).
    const auto described = [&](ui::Option* option, const QString& description) {
        QLabel* text = Text(this, description);
        ui::Describes(*text, *option);
        layout->addWidget(option);
        layout->addWidget(text);
    };
    described(RbContactOrdered, tr("These are reports that are sorted by a contact's last name, company "
                                   "name - usually the most common reports."));
    described(rbDateOrdered, tr("These are reports that sorted by a date; these reports are "
                                "normally used for event listings."));
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

void ReportTypePage::loadType(std::optional<store::ReportType> type)
{
    if (type)
        chooseDateOrdered(*type == store::ReportType::Calendar);
}

void ReportTypePage::Notebook1Click()
{
    if (onChoice_)
        onChoice_();
}

void ReportTypePage::contribute(design::Report& report) const
{
    report.head.type = dateOrdered() ? store::ReportType::Calendar : store::ReportType::Contact;
}

} // namespace wizard
