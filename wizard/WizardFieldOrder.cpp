// The field-order page: the ordered list of chosen fields and their working-table rows.
#include "wizard/Wizard.h"

#include "wizard/pages/FieldSelectionPage.h"
#include "wizard/pages/DetailPage.h"
#include "ui/ErrorGuard.h"
#include "ui/Option.h"
#include "store/WorkingTable.h"
#include "store/engine/Table.h"
#include "rules/EventFieldMap.h"
#include "rules/FieldOrderRules.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

// A memo field must stay last: when the list holds name (in any letter case),
// it is taken out, the last entry highlighted, and name appended at the end.
void Wizard::MoveFieldLast(QListWidget* list, const QString& name)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().compare(name, Qt::CaseInsensitive) == 0) {
            delete list->takeItem(i);
            list->setCurrentRow(list->count() - 1);
            list->addItem(name);
            return;
        }
}

bool Wizard::FillFullList(PageTurn turn)
{
    if (turn == PageTurn::Backward)
        return true;
    if (fields_->tickedCount() == 0)
        return false;
    store::Table& table = TblTRData();
    lbAllFields->clear();
    ClearCustomTable(table);
    const bool detailLevel = detailPage().detailLevel();
    if (detailLevel) {
        lbAllFields->addItem(QStringLiteral("CustomID"));
        RecordDBType(QStringLiteral("CustomID"), 0, table);
    }
    for (const QString& name : fields_->tickedContacts()) {
        if (detailLevel && name.compare(QStringLiteral("CustomID"), Qt::CaseInsensitive) == 0)
            continue;
        lbAllFields->addItem(name);
        RecordDBType(name, 0, table);
    }
    for (const QString& display : fields_->tickedEvents()) {
        lbAllFields->addItem(display);
        RecordDBType(wizard::GetEventFieldName(state_.EventCategory, display), 1, table);
    }
    LblCustYes->setVisible(detailLevel);
    LblCustYes2->setVisible(detailLevel);
    LblCustNo->setVisible(!detailLevel);
    MoveFieldLast(lbAllFields, wizard::GetEventDisplayName(state_.EventCategory, QStringLiteral("Memo")));
    MoveFieldLast(lbAllFields, QStringLiteral("Memo"));
    lbAllFields->setCurrentRow(0);
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
    for (int i = 0; i < lbAllFields->count(); ++i) {
        const QString key = wizard::GetEventFieldName(state_.EventCategory, lbAllFields->item(i)->text());
        if (!table.FindKey({key}))
            continue;
        table.Edit();
        table.FieldByName(QStringLiteral("Order")).SetAsInteger(i + 1);
        table.Post();
    }
}

bool Wizard::qOKFieldPositions()
{
    const auto broken = wizard::CheckFieldOrder(orderedFields(), state_.EventCategory);
    if (broken == wizard::FieldOrderBreak::None)
        return true;
    ui::ShowError(window_, wizard::FieldOrderMessage(broken));
    return false;
}

void Wizard::applyMove(const wizard::FieldMove& move)
{
    lbMirror->clear();
    lbMirror->addItems(orderedFields());
    lbAllFields->clear();
    lbAllFields->addItems(move.entries);
    lbAllFields->setCurrentRow(move.highlighted);
    if (move.broken != wizard::FieldOrderBreak::None) {
        lbAllFields->setCurrentRow(-1);
        lbAllFields->clearSelection();
        ui::ShowError(window_, wizard::FieldOrderMessage(move.broken));
    }
}

void Wizard::BtnMoveUpClick()
{
    applyMove(wizard::MoveFieldUp(orderedFields(), highlightedField(), state_.EventCategory));
}

void Wizard::BtnDownClick()
{
    applyMove(wizard::MoveFieldDown(orderedFields(), highlightedField(), state_.EventCategory));
}

int Wizard::highlightedField() const
{
    const QListWidgetItem* item = lbAllFields->currentItem();
    return item && item->isSelected() ? lbAllFields->row(item) : -1;
}
