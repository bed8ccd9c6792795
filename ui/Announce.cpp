#include "ui/Announce.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QPersistentModelIndex>
#include <QTimer>

namespace ui {

namespace {

// Long enough for the reader to take the first step before the second arrives:
// a reader drops a focus change that a newer one overtakes before it is spoken.
constexpr int SecondStepMs = 300;

void TellFocus(QWidget& widget, int child = -1)
{
    QAccessibleEvent focus(&widget, QAccessible::Focus);
    if (child >= 0)
        focus.setChild(child);
    QAccessible::updateAccessibility(&focus);
}

// A hidden child of the widget that the reader is told has the keyboard for a
// moment: an object without words, inside the widget, so nothing is said of it.
QWidget& StandIn(QWidget& widget)
{
    const QString name = QStringLiteral("announceStandIn");
    auto* standIn = widget.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (!standIn) {
        standIn = new QWidget(&widget);
        standIn->setObjectName(name);
        standIn->hide();
    }
    return *standIn;
}

} // namespace

void AnnounceAgain(QWidget& widget)
{
    if (!widget.hasFocus())
        return;
    TellFocus(StandIn(widget));
    QTimer::singleShot(SecondStepMs, &widget, [&widget] {
        if (!widget.hasFocus())
            return;
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(spoken));
        TellFocus(widget);
    });
}

void AnnounceCurrentAgain(QAbstractItemView& view)
{
    const QPersistentModelIndex current = view.currentIndex();
    if (!view.hasFocus() || !current.isValid())
        return;
    TellFocus(view);
    QTimer::singleShot(SecondStepMs, &view, [&view, current] {
        if (!view.hasFocus() || view.currentIndex() != current)
            return;
        QAccessibleTableModelChangeEvent remade(&view, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&remade);
        TellFocus(view, current.row());
    });
}

} // namespace ui
