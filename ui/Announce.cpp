#include "ui/Announce.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QTimer>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

namespace ui {

namespace {

const char NoticeName[] = "announceNotice";

QAccessibleInterface* NoticeAccessible(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->objectName() == QLatin1String(NoticeName))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

// The window's notification: no size, no input, shown only to be spoken.
QWidget& Notice(QWidget& widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(NoticeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    QWidget* window = widget.window();
    auto* notice = window->findChild<QWidget*>(QLatin1String(NoticeName), Qt::FindDirectChildrenOnly);
    if (!notice) {
        notice = new QWidget(window);
        notice->setObjectName(QLatin1String(NoticeName));
        notice->setFocusPolicy(Qt::NoFocus);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice->setGeometry(0, 0, 0, 0);
        notice->hide();
    }
    return *notice;
}

} // namespace

void TellCurrentEntry(QAbstractItemView& view)
{
    // After the view's own focus event, which would otherwise be the last word.
    QTimer::singleShot(0, &view, [&view] {
        const QModelIndex current = view.currentIndex();
        QAccessibleInterface* spoken =
            current.isValid() && view.hasFocus() ? QAccessible::queryAccessibleInterface(&view) : nullptr;
        QAccessibleTableInterface* table = spoken ? spoken->tableInterface() : nullptr;
        QAccessibleInterface* cell = table ? table->cellAt(current.row(), current.column()) : nullptr;
        if (!cell)
            return;
        QAccessibleEvent focus(&view, QAccessible::Focus);
        focus.setChild(spoken->indexOfChild(cell));
        QAccessible::updateAccessibility(&focus);
    });
}

void Say(QWidget& widget, const QString& words)
{
    QWidget& notice = Notice(widget);
    notice.hide();
    notice.setAccessibleName(words);
    notice.show();
}

} // namespace ui
