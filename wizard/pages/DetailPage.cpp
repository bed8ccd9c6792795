#include "wizard/pages/DetailPage.h"

#include "design/Report.h"
#include "ui/Option.h"
#include "wizard/pages/PageKit.h"

#include <QButtonGroup>
#include <QLabel>
#include <QVBoxLayout>

namespace wizard {

using namespace pagekit;

DetailPage::DetailPage()
{
    QVBoxLayout* layout = ColumnLayout(this, QStringLiteral("Page4_5"), tr("Detail Level"));
    auto* group = new QButtonGroup(this);
    layout->addWidget(Text(this, tr("The Detail Level is found on the Reports Screen in Omnivale. If "
                                                "selected, the detail level information will always appear in the "
                                                "first column of the report.")));
    QLabel* picture = Picture(this, QStringLiteral(":/pictures/detail-level.png"), QStringLiteral("Image3"));
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(Text(this, tr("The detail level option is displayed in the Reports screen.")));
    rbCustYes = Opt(this, group, QStringLiteral("rbCustYes"), tr("Yes, use Detail Level"));
    rbCustNo = Opt(this, group, QStringLiteral("rbCustNo"), tr("No"));
    rbCustYes->setClickHandler([this] { rbCustYesClick(); });
    rbCustNo->setClickHandler([this] { rbCustNoClick(); });
    layout->addWidget(rbCustYes);
    layout->addWidget(rbCustNo);
    layout->addStretch();
}

bool DetailPage::detailLevel() const
{
    return rbCustYes->isChecked();
}

void DetailPage::chooseDetailLevel(bool detailLevel)
{
    (detailLevel ? rbCustYes : rbCustNo)->turnOn();
}

void DetailPage::rbCustYesClick()
{
    if (onChoice_)
        onChoice_(true);
}

void DetailPage::rbCustNoClick()
{
    if (onChoice_)
        onChoice_(false);
}

void DetailPage::contribute(design::Report& report) const
{
    report.head.detailLevel = detailLevel();
}

} // namespace wizard
