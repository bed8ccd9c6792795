// The selection rules of the field-selection page: one memo field at most, the
// count of selected fields, and the detail level's coupling to CustomID.
#include "wizard/Wizard.h"

#include "ui/ErrorGuard.h"
#include "ui/PickList.h"
#include "ui/SpinEdit.h"
#include "rules/EventFieldMap.h"

#include <QLabel>
#include <QListWidget>

void Wizard::PickContactFieldClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    state_.CatalogueDirty = false;
    state_.LayoutDirty = true;
    state_.SelectedCount = 0;

    const QString eventMemo = wizard::GetEventDisplayName(state_.EventCategory, QStringLiteral("Memo"));
    struct Pass {
        ui::PickList* list;
        QString memo;
        bool& chosen;
        const char* message;
    };
    const Pass passes[] = {
        {PickContactField, QStringLiteral("Memo"), state_.ContactMemoChosen, "You cannot choose both memo fields (1)"},
        {PickEventField, eventMemo, state_.EventMemoChosen, "You cannot choose both memo fields (2)"},
    };
    for (const Pass& pass : passes) {
        for (int i = 0; i < pass.list->entryCount(); ++i) {
            const bool isMemo = pass.list->entryText(i) == pass.memo;
            if (isMemo)
                pass.chosen = pass.list->isTicked(i);
            if (!pass.list->isTicked(i))
                continue;
            if (isMemo)
                pass.chosen = true;
            if (state_.ContactMemoChosen && state_.EventMemoChosen) {
                ui::ShowError(window_, QString::fromLatin1(pass.message));
                pass.list->setTicked(i, false);
                pass.chosen = false;
            } else {
                ++state_.SelectedCount;
            }
        }
    }
    LblSelected->setText(QStringLiteral("(%1 fields selected)").arg(state_.SelectedCount));

    state_.SelectedCount = lbAllFields->count();
    if (SpinCol->value() == 1)
        SpinCol->setValue(state_.SelectedCount);
    SetGrid();
}

void Wizard::tickCustomId(bool ticked)
{
    if (!built_[Fields])
        return; // the field lists are filled only once built: there is nothing to tick yet
    const int index = PickContactField->findEntry(QStringLiteral("CustomID"));
    if (index >= 0)
        PickContactField->setTicked(index, ticked);
    PickContactField->scrollToFirst();
}
