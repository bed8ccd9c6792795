#include "ui/Option.h"

#include "ui/ErrorGuard.h"

#include <QShortcutEvent>

namespace ui {

Option::Option(const QString& name, const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent)
{
    setObjectName(name);
    connect(this, &QRadioButton::toggled, this, &Option::toggledByUser);
}

void Option::turnOn()
{
    if (isChecked())
        return;
    fromCode_ = true;
    setChecked(true);
    fromCode_ = false;
    if (onClick_)
        onClick_();
}

bool Option::event(QEvent* event)
{
    // An ambiguous accelerator only moves the focus among its options, as usual.
    if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
        return QRadioButton::event(event);
    click();
    setFocus(Qt::ShortcutFocusReason);
    return true;
}

void Option::toggledByUser(bool on)
{
    if (on && !fromCode_ && onClick_)
        Guarded(window(), onClick_);
}

} // namespace ui
