#include "ui/PickList.h"

#include "ui/Announce.h"
#include "ui/ErrorGuard.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace ui {

namespace {

// Draws the tick from the selection and the highlight on the current entry only,
// and leaves toggling to the list, so a click ticks once.
class TickDrawer : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override
    {
        return false;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto* view = static_cast<const QAbstractItemView*>(parent());
        option->state.setFlag(QStyle::State_Selected, view->currentIndex() == index);
    }
};

// The selection is the ticks: making an entry current (code, or QListWidget's
// own setCurrentRow) selects nothing, and clearing it (QListWidget::clear, before
// the list is refilled) is code's doing, not a click.
class TickSelection : public QItemSelectionModel {
public:
    TickSelection(QAbstractItemModel* model, QObject* parent, bool& fromCode)
        : QItemSelectionModel(model, parent), fromCode_(fromCode)
    {
    }
    using QItemSelectionModel::select;

    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override
    {
        if (!command.testFlag(QItemSelectionModel::Current))
            QItemSelectionModel::select(selection, command);
    }

    void clear() override
    {
        fromCode_ = true;
        QItemSelectionModel::clear();
        fromCode_ = false;
    }

private:
    bool& fromCode_;
};

// Screen readers read a list entry's checked state only where they know it can be
// ticked; the words say it in any case.
QString TickWords(bool ticked)
{
    return ticked ? PickList::tr("ticked") : PickList::tr("not ticked");
}

} // namespace

PickList::PickList(const QString& name, QWidget* parent) : SaysCurrentEntry<QListWidget>(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::MultiSelection);
    setItemDelegate(new TickDrawer(this));
    QItemSelectionModel* own = selectionModel();
    setSelectionModel(new TickSelection(model(), this, fromCode_));
    delete own;
}

void PickList::addEntry(const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    // Checkable, so assistive technology reads an unticked entry as "not checked".
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(Qt::AccessibleDescriptionRole, TickWords(false));
}

QString PickList::entryText(int index) const
{
    return item(index)->text();
}

bool PickList::isTicked(int index) const
{
    return item(index)->checkState() == Qt::Checked;
}

void PickList::setTicked(int index, bool ticked)
{
    fromCode_ = true;
    item(index)->setSelected(ticked);
    fromCode_ = false;
}

int PickList::tickedCount() const
{
    int n = 0;
    for (int i = 0; i < count(); ++i)
        n += isTicked(i) ? 1 : 0;
    return n;
}

int PickList::findEntry(const QString& text) const
{
    for (int i = 0; i < count(); ++i)
        if (entryText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void PickList::clearTicks()
{
    for (int i = 0; i < count(); ++i)
        setTicked(i, false);
}

void PickList::scrollToFirst()
{
    // The first entry stands at the top, so the top is scrolled to without laying out every entry.
    scrollToTop();
}

// Only a press of the left button and the space bar toggle the entry; moving the
// current entry (keys, code) or dragging leaves the ticks alone.
QItemSelectionModel::SelectionFlags PickList::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    if (!event)
        return QItemSelectionModel::NoUpdate;
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton)
        return QItemSelectionModel::Toggle;
    if (event->type() == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Space)
        return QItemSelectionModel::Toggle;
    return QListWidget::selectionCommand(index, event) & ~QItemSelectionModel::SelectionFlags(
               QItemSelectionModel::Select | QItemSelectionModel::Deselect | QItemSelectionModel::Toggle);
}

void PickList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListWidget::selectionChanged(selected, deselected);
    showTicks(selected, true);
    showTicks(deselected, false);
    if (fromCode_ || (selected.isEmpty() && deselected.isEmpty()))
        return;
    if (onClick_)
        Guarded(window(), onClick_);
    const QModelIndex current = currentIndex();
    if (selected.contains(current) || deselected.contains(current))
        announceTick(current.row());
}

// The tick is said with the entry, its words and the summary.
void PickList::announceTick(int row)
{
    if (!hasFocus())
        return;
    QString words = entryText(row) + QStringLiteral(", ") + TickWords(isTicked(row));
    if (summary_)
        words += QLatin1Char(' ') + summary_();
    Say(*this, words);
}

// The tick follows the selection and is announced as a change of the entry's
// checked state and of its words.
void PickList::showTicks(const QItemSelection& changed, bool ticked)
{
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* table = list ? list->tableInterface() : nullptr;
    for (const QModelIndex& index : changed.indexes()) {
        item(index.row())->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        item(index.row())->setData(Qt::AccessibleDescriptionRole, TickWords(ticked));
        if (QAccessibleInterface* cell = table ? table->cellAt(index.row(), 0) : nullptr) {
            QAccessible::State state;
            state.checked = true;
            QAccessibleStateChangeEvent checked(cell, state);
            QAccessible::updateAccessibility(&checked);
            QAccessibleEvent words(cell, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&words);
        }
    }
}

} // namespace ui
