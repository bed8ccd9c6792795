#include "ui/PickList.h"

#include "ui/ErrorGuard.h"

#include <QKeyEvent>

namespace ui {

PickList::PickList(const QString& name, QWidget* parent) : QListWidget(parent)
{
    setObjectName(name);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, &PickList::toggle);
}

void PickList::addEntry(const QString& text)
{
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
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
    item(index)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
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

void PickList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && currentItem()) {
        toggle(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void PickList::toggle(QListWidgetItem* item)
{
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    if (onClick_)
        Guarded(window(), onClick_);
}

} // namespace ui
