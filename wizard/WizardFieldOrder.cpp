// The field-order page: the ordered list of chosen fields and their working-table rows.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/DetailPage.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"

#include <QLabel>

bool Wizard::FillFullList(PageTurn turn)
{
    if (turn == PageTurn::Backward)
        return true;
    if (fields_->tickedCount() == 0)
        return false;
    store::Table& table = TblTRData();
    order_->clearFields();
    ClearCustomTable(table);
    const bool detailLevel = detailPage().detailLevel();
    if (detailLevel) {
        order_->addField(QStringLiteral("CustomID"));
        RecordDBType(QStringLiteral("CustomID"), 0, table);
    }
    for (const QString& name : fields_->tickedContacts()) {
        if (detailLevel && name.compare(QStringLiteral("CustomID"), Qt::CaseInsensitive) == 0)
            continue;
        order_->addField(name);
        RecordDBType(name, 0, table);
    }
    for (const QString& display : fields_->tickedEvents()) {
        order_->addField(display);
        RecordDBType(rules::GetEventFieldName(state_.EventCategory, display), 1, table);
    }
    order_->showDetailLevel(detailLevel);
    columns_->showDetailLevel(detailLevel);
    order_->moveLast(rules::GetEventDisplayName(state_.EventCategory, QStringLiteral("Memo")));
    order_->moveLast(QStringLiteral("Memo"));
    order_->highlightFirst();
    return true;
}

void Wizard::RecordDBType(const QString& name, int code, store::Table& table)
{
    const int count = table.RecordCount();
    table.SetIndexName(QString());
    if (table.FindKey({name})) {
        table.Edit();
    } else {
        store::InsertFieldRow(table, name, name, count + 1);
    }
    table.FieldByName(QStringLiteral("DbType")).SetAsInteger(code);
    table.Post();
}

void Wizard::WriteFieldOrders(store::Table& table)
{
    table.SetIndexName(QString());
    const QStringList fields = order_->orderedFields();
    for (int i = 0; i < fields.size(); ++i) {
        const QString key = rules::GetEventFieldName(state_.EventCategory, fields[i]);
        if (!table.FindKey({key}))
            continue;
        table.Edit();
        table.FieldByName(QStringLiteral("Order")).SetAsInteger(i + 1);
        table.Post();
    }
}
