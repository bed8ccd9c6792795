#include "wizard/pages/FieldSelectionPage.h"

#include "ui/Modal.h"
#include "ui/PickList.h"
#include "rules/EventFieldMap.h"
#include "design/ReportSession.h"
#include "wizard/pages/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace wizard {

using namespace pagekit;

namespace {

// A pick list's entries by their text in any letter case, as findEntry compares
// them: one look-up a field instead of a walk of the list.
class EntryIndex {
public:
    explicit EntryIndex(const ui::PickList& list)
    {
        for (int i = list.count() - 1; i >= 0; --i) // of equal texts the first wins, as in findEntry
            index_.insert(list.entryText(i).toCaseFolded(), i);
    }
    int find(const QString& text) const { return index_.value(text.toCaseFolded(), -1); }

private:
    QHash<QString, int> index_;
};

QStringList Ticked(const ui::PickList& list)
{
    QStringList names;
    for (int i = 0; i < list.entryCount(); ++i)
        if (list.isTicked(i))
            names << list.entryText(i);
    return names;
}

} // namespace

FieldSelectionPage::FieldSelectionPage(design::ReportSession& session, design::HostTables& hostTables,
                                       const wizard::Mode& mode)
    : session_(session), hostTables_(hostTables), mode_(mode)
{
    QGridLayout* grid = GridLayout(this, QStringLiteral("Page6"), tr("Field Selection"), 3);
    QWidget* page = this;
    grid->addWidget(Text(page, tr("Select which fields to include in the report.")), 1, 0, 1, 3);
    QLabel* contactHeading = Text(page, tr("Contact Fields"));
    grid->addWidget(contactHeading, 2, 0);
    LblEvent = Text(page, tr("Event Fields"), 16, QStringLiteral("LblEvent"));
    grid->addWidget(LblEvent, 2, 1);
    PickContactField = new ui::PickList(QStringLiteral("PickContactField"), page);
    PickEventField = new ui::PickList(QStringLiteral("PickEventField"), page);
    for (auto* list : {PickContactField, PickEventField})
        list->setFont(Serif(13));
    // A list's name is not taken from its buddy: it is given the heading's words too.
    contactHeading->setBuddy(PickContactField);
    LblEvent->setBuddy(PickEventField);
    PickContactField->setAccessibleName(contactHeading->text());
    PickEventField->setAccessibleName(LblEvent->text());
    grid->addWidget(PickContactField, 3, 0);
    grid->addWidget(PickEventField, 3, 1);
    LblSelected = Text(page, QString(), 13, QStringLiteral("LblSelected"));
    grid->addWidget(LblSelected, 4, 0, 1, 2);

    auto* side = new QVBoxLayout;
    QFrame* combination = Panel(page, tr("Combination Fields"));
    combination->layout()->addWidget(
        Text(combination, tr("Some options are special fields derived from multiple fields."), 13));
    side->addWidget(combination);
    BitBtn2 = Button(page, QStringLiteral("BitBtn2"), tr("&Special Fields"));
    side->addWidget(BitBtn2);
    QFrame* user = Panel(page, tr("User Field Definitions"));
    BtnUser = Button(user, QStringLiteral("BtnUser"), tr("&User Fields"));
    user->layout()->addWidget(BtnUser);
    for (QPushButton* button : {BitBtn2, BtnUser})
        button->setFont(Sans(11));  // the bottom bar's font; other pages' buttons keep the page's
    side->addWidget(user);
    side->addStretch();
    grid->addLayout(side, 2, 2, 3, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    for (auto* list : {PickContactField, PickEventField}) {
        list->setClickHandler([this, list] { PickContactFieldClick(list); });
        list->setTickSummary([this] { return LblSelected->text(); });
    }
}

void FieldSelectionPage::PickContactFieldClick(QObject* Sender)
{
    Q_UNUSED(Sender);
    catalogue_.CatalogueDirty = false;
    int selected = 0;

    const QString eventMemo = rules::GetEventDisplayName(session_.eventCategory(), QStringLiteral("Memo"));
    struct Pass {
        ui::PickList* list;
        QString memo;
        bool& chosen;
        const char* message;
    };
    const Pass passes[] = {
        {PickContactField, QStringLiteral("Memo"), catalogue_.ContactMemoChosen,
         QT_TR_NOOP("You cannot choose both memo fields (1)")},
        {PickEventField, eventMemo, catalogue_.EventMemoChosen, QT_TR_NOOP("You cannot choose both memo fields (2)")},
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
            if (catalogue_.ContactMemoChosen && catalogue_.EventMemoChosen) {
                ui::ShowError(window(), tr(pass.message));
                pass.list->setTicked(i, false);
                pass.chosen = false;
            } else {
                ++selected;
            }
        }
    }
    showCount(selected);
    if (onPick_)
        onPick_();
}

void FieldSelectionPage::setDialogHandlers(std::function<void()> special, std::function<void()> user)
{
    connect(BitBtn2, &QPushButton::clicked, this, [special = std::move(special)] { special(); });
    connect(BtnUser, &QPushButton::clicked, this, [user = std::move(user)] { user(); });
}

int FieldSelectionPage::tickedCount() const
{
    return PickContactField->tickedCount() + PickEventField->tickedCount();
}

QStringList FieldSelectionPage::tickedContacts() const
{
    return Ticked(*PickContactField);
}

QStringList FieldSelectionPage::tickedEvents() const
{
    return Ticked(*PickEventField);
}

void FieldSelectionPage::clearCatalogue()
{
    LblSelected->setText(tr("(0 Fields Selected)"));
    PickContactField->clear();
    PickEventField->clear();
}

void FieldSelectionPage::fillCatalogue(const QStringList& contacts, const QStringList& events, bool withEvents)
{
    for (const QString& name : contacts)
        PickContactField->addEntry(name);
    PickContactField->scrollToFirst();
    for (const QString& name : events)
        PickEventField->addEntry(name);
    LblEvent->setVisible(withEvents);
    PickEventField->setVisible(withEvents);
}

void FieldSelectionPage::tickLoaded(const std::vector<store::FieldRow>& rows)
{
    QStringList contacts;
    QStringList events;
    for (const store::FieldRow& row : rows) {
        if (row.dbType == 0)
            contacts << row.field;
        else if (row.dbType == 1)
            events << rules::GetEventDisplayName(session_.eventCategory(), row.field);
    }
    const std::pair<ui::PickList*, const QStringList&> lists[] = {{PickContactField, contacts},
                                                                  {PickEventField, events}};
    for (const auto& [list, names] : lists) {
        list->clearTicks();
        const EntryIndex entries(*list);
        for (const QString& name : names)
            if (const int index = entries.find(name); index >= 0)
                list->setTicked(index, true);
    }
}

namespace {

const char* const CombinationNames[] = {"SalutFirstLast", "FirstLast", "CityStateZip"};

} // namespace

FieldSelectionPage::Combinations FieldSelectionPage::combinations() const
{
    Combinations ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        const int index = PickContactField->findEntry(QString::fromLatin1(CombinationNames[i]));
        ticked[i] = index >= 0 && PickContactField->isTicked(index);
    }
    return ticked;
}

void FieldSelectionPage::tickCombinations(const Combinations& ticked)
{
    for (std::size_t i = 0; i < ticked.size(); ++i)
        if (const int index = PickContactField->findEntry(QString::fromLatin1(CombinationNames[i])); index >= 0)
            PickContactField->setTicked(index, ticked[i]);
}

void FieldSelectionPage::tickCustomId(bool ticked)
{
    const int index = PickContactField->findEntry(QStringLiteral("CustomID"));
    if (index >= 0)
        PickContactField->setTicked(index, ticked);
    PickContactField->scrollToFirst();
}

bool FieldSelectionPage::leave(wizard::PageTurn)
{
    session_.setPick({tickedContacts(), tickedEvents()});
    return true;
}

void FieldSelectionPage::shown()
{
    showCount(tickedCount());
}

// English has no translation of its own to give the singular: it is written here.
void FieldSelectionPage::showCount(int count)
{
    LblSelected->setText(count == 1 ? tr("(1 field selected)") : tr("(%n fields selected)", nullptr, count));
}

} // namespace wizard
