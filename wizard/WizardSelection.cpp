// What follows a pick on the field-selection page, and the detail level's coupling to CustomID.
#include "wizard/Wizard.h"

#include "wizard/pages/ColumnsPage.h"
#include "wizard/pages/FieldOrderPage.h"
#include "wizard/pages/FieldSelectionPage.h"

#include <QListWidget>

void Wizard::fieldsPicked()
{
    state_.SelectedCount = order_->fieldCount();
    if (columns_->columnCount() == 1)
        columns_->setColumnCount(state_.SelectedCount);
    SetGrid();
}

void Wizard::tickCustomId(bool ticked)
{
    if (!built_[Fields])
        return; // the field lists are filled only once built: there is nothing to tick yet
    fields_->tickContact(QStringLiteral("CustomID"), ticked);
}
