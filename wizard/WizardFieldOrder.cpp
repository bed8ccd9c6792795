// The field-order page: the ordered list of chosen fields and their working-table rows.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/DetailPage.h"
#include "design/ReportDesign.h"
#include "rules/EventFieldMap.h"

#include <QLabel>

bool Wizard::FillFullList(PageTurn turn)
{
    if (turn == PageTurn::Backward)
        return true;
    if (fields_->tickedCount() == 0)
        return false;
    order_->clearFields();
    design().clear();
    const bool detailLevel = detailPage().detailLevel();
    if (detailLevel) {
        order_->addField(QStringLiteral("CustomID"));
        RecordDBType(QStringLiteral("CustomID"), 0);
    }
    for (const QString& name : fields_->tickedContacts()) {
        if (detailLevel && name.compare(QStringLiteral("CustomID"), Qt::CaseInsensitive) == 0)
            continue;
        order_->addField(name);
        RecordDBType(name, 0);
    }
    for (const QString& display : fields_->tickedEvents()) {
        order_->addField(display);
        RecordDBType(rules::GetEventFieldName(report_->eventCategory(), display), 1);
    }
    order_->showDetailLevel(detailLevel);
    columns_->showDetailLevel(detailLevel);
    order_->moveLast(rules::GetEventDisplayName(report_->eventCategory(), QStringLiteral("Memo")));
    order_->moveLast(QStringLiteral("Memo"));
    order_->highlightFirst();
    return true;
}

void Wizard::RecordDBType(const QString& name, int code)
{
    design().recordDataSide(name, code);
}

void Wizard::WriteFieldOrders()
{
    design().numberFields(order_->orderedFields(), report_->eventCategory());
}
