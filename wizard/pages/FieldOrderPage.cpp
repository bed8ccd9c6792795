#include "wizard/pages/FieldOrderPage.h"

#include "ui/Announce.h"
#include "ui/ErrorGuard.h"
#include "ui/Modal.h"
#include "rules/EventFieldMap.h"
#include "rules/FieldOrderRules.h"
#include "wizard/WizardState.h"
#include "design/ReportSession.h"
#include "design/Report.h"
#include "wizard/pages/PageKit.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace wizard {

using namespace pagekit;

// The list of page 7. A move by the buttons changes the entries' words in place
// and says the field and its new place; the list tells assistive technology
// nothing of it itself, so a screen reader neither follows the highlight into
// the list while the keyboard stays on a button nor loses the entry it spoke.
class FieldOrderList : public ui::SaysCurrentEntry<QListWidget> {
public:
    using SaysCurrentEntry::SaysCurrentEntry;

    void showMove(const QStringList& entries, int highlighted)
    {
        quiet_ = true;
        if (entries.size() == count()) {
            for (int i = 0; i < count(); ++i)
                item(i)->setText(entries[i]);
        } else {
            clear();
            addItems(entries);
        }
        setCurrentRow(highlighted);
        quiet_ = false;
        if (highlighted >= 0 && highlighted < count())
            ui::Say(*this, FieldOrderPage::tr("%1, %2 of %3").arg(entries[highlighted]).arg(highlighted + 1)
                               .arg(count()));
    }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override
    {
        if (quiet_)
            QAbstractItemView::currentChanged(current, previous);
        else
            QListWidget::currentChanged(current, previous);
    }
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override
    {
        if (quiet_)
            QAbstractItemView::selectionChanged(selected, deselected);
        else
            QListWidget::selectionChanged(selected, deselected);
    }

private:
    bool quiet_ = false;
};

FieldOrderPage::FieldOrderPage(design::ReportSession& session, const WizardState& machine)
    : session_(session), machine_(machine)
{
    QGridLayout* grid = GridLayout(this, QStringLiteral("Page7"), tr("Field Order"), 3);
    QWidget* page = this;
    grid->addWidget(Text(page, tr("Select the order from left to right for the fields on the report.")),
                    1, 0, 1, 3);
    lbAllFields = new FieldOrderList(page);
    lbAllFields->setObjectName(QStringLiteral("lbAllFields"));
    lbAllFields->setFont(Serif(13));
    lbAllFields->setAccessibleName(tr("Field Order"));
    grid->addWidget(lbAllFields, 2, 0, 3, 1);
    lbMirror = new QListWidget(page);
    lbMirror->setObjectName(QStringLiteral("lbMirror"));
    lbMirror->hide();
    BtnMoveUp = Button(page, QStringLiteral("BtnMoveUp"), tr("Move &Up    "));
    BtnDown = Button(page, QStringLiteral("BtnDown"), tr("Move &Down"));
    grid->addWidget(BtnMoveUp, 2, 1);
    grid->addWidget(BtnDown, 3, 1);
    QFrame* note = Panel(page, tr("Important Note:"));
    LblCustYes = Text(note,
                      tr("You have selected the CustomID field which is controlled by the detail level "
                                     "on the Report Selection Screen inside Omnivale Personal for Windows. This will "
                                     "appear in the first column of your report."),
                      13, QStringLiteral("LblCustYes"));
    LblCustNo = Text(note,
                     tr("You have NOT selected the CustomID field. The detail level option will not "
                                    "apply to this report."),
                     13, QStringLiteral("LblCustNo"));
    note->layout()->addWidget(LblCustYes);
    note->layout()->addWidget(LblCustNo);
    grid->addWidget(note, 2, 2, 3, 1);
    // The list and the note take the height the page has to spare, so the title
    // and the instruction stand at the top as on the other pages.
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(2, 2);
    // Inside the window's error guard, which shows a failure over the window.
    connect(BtnMoveUp, &QPushButton::clicked, this, [this] { ui::Guarded(window(), [this] { BtnMoveUpClick(); }); });
    connect(BtnDown, &QPushButton::clicked, this, [this] { ui::Guarded(window(), [this] { BtnDownClick(); }); });
}

QStringList FieldOrderPage::orderedFields() const
{
    QStringList fields;
    for (int i = 0; i < lbAllFields->count(); ++i)
        fields << lbAllFields->item(i)->text();
    return fields;
}

int FieldOrderPage::fieldCount() const
{
    return lbAllFields->count();
}

void FieldOrderPage::clearFields()
{
    lbAllFields->clear();
}

void FieldOrderPage::addField(const QString& name)
{
    lbAllFields->addItem(name);
}

void FieldOrderPage::moveLast(const QString& name)
{
    for (int i = 0; i < lbAllFields->count(); ++i)
        if (lbAllFields->item(i)->text().compare(name, Qt::CaseInsensitive) == 0) {
            delete lbAllFields->takeItem(i);
            lbAllFields->setCurrentRow(lbAllFields->count() - 1);
            lbAllFields->addItem(name);
            return;
        }
}

void FieldOrderPage::highlightFirst()
{
    lbAllFields->setCurrentRow(0);
}

void FieldOrderPage::showDetailLevel(bool detailLevel)
{
    LblCustYes->setVisible(detailLevel);
    LblCustNo->setVisible(!detailLevel);
}

void FieldOrderPage::applyMove(const rules::FieldMove& move)
{
    lbMirror->clear();
    lbMirror->addItems(orderedFields());
    if (move.broken == rules::FieldOrderBreak::None) {
        lbAllFields->showMove(move.entries, move.highlighted);
        return;
    }
    lbAllFields->clear();
    lbAllFields->addItems(move.entries);
    lbAllFields->setCurrentRow(-1);
    lbAllFields->clearSelection();
    ui::ShowError(window(), rules::FieldOrderMessage(move.broken));
}

void FieldOrderPage::BtnMoveUpClick()
{
    applyMove(rules::MoveFieldUp(orderedFields(), highlightedField(), session_.eventCategory()));
}

void FieldOrderPage::BtnDownClick()
{
    applyMove(rules::MoveFieldDown(orderedFields(), highlightedField(), session_.eventCategory()));
}

int FieldOrderPage::highlightedField() const
{
    const QListWidgetItem* item = lbAllFields->currentItem();
    return item && item->isSelected() ? lbAllFields->row(item) : -1;
}

bool FieldOrderPage::enter(wizard::PageTurn turn)
{
    if (!machine_.LayoutDirty || FillFullList(turn))
        return true;
    ui::ShowError(window(), tr("No Fields Selected."));
    return false;
}

bool FieldOrderPage::leave(wizard::PageTurn turn)
{
    if (turn == wizard::PageTurn::Forward)
        WriteFieldOrders();
    return true;
}

bool FieldOrderPage::FillFullList(wizard::PageTurn turn)
{
    if (turn == wizard::PageTurn::Backward)
        return true;
    const design::FieldPick& pick = session_.pick();
    if (pick.empty())
        return false;
    clearFields();
    session_.rows().clear();
    const bool detailLevel = session_.head().detailLevel;
    if (detailLevel) {
        addField(QStringLiteral("CustomID"));
        RecordDBType(QStringLiteral("CustomID"), 0);
    }
    for (const QString& name : pick.contacts) {
        if (detailLevel && name.compare(QStringLiteral("CustomID"), Qt::CaseInsensitive) == 0)
            continue;
        addField(name);
        RecordDBType(name, 0);
    }
    for (const QString& display : pick.events) {
        addField(display);
        RecordDBType(rules::GetEventFieldName(session_.eventCategory(), display), 1);
    }
    showDetailLevel(detailLevel);
    if (onDetailLevel_)
        onDetailLevel_(detailLevel);
    moveLast(rules::GetEventDisplayName(session_.eventCategory(), QStringLiteral("Memo")));
    moveLast(QStringLiteral("Memo"));
    highlightFirst();
    return true;
}

void FieldOrderPage::showLoaded(const std::vector<store::FieldRow>& rows, bool detailLevel)
{
    clearFields();
    for (const store::FieldRow& row : design::InReportOrder(rows))
        addField(row.field);
    moveLast(rules::GetEventDisplayName(session_.eventCategory(), QStringLiteral("Memo")));
    showDetailLevel(detailLevel);
}

void FieldOrderPage::RecordDBType(const QString& name, int code)
{
    session_.rows().recordDataSide(name, code);
}

void FieldOrderPage::WriteFieldOrders()
{
    session_.rows().numberFields(orderedFields(), session_.eventCategory());
}

} // namespace wizard
