#include "ui/Option.h"

#include "ui/ErrorGuard.h"

#include <QButtonGroup>
#include <QKeyEvent>
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

void Option::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const bool arrow = forward || key == Qt::Key_Up || key == Qt::Key_Left;
    QList<QAbstractButton*> options = group() ? group()->buttons() : QList<QAbstractButton*>{};
    options.removeIf([this](QAbstractButton* option) { return !option->isVisibleTo(window()) || !option->isEnabled(); });
    const qsizetype at = options.indexOf(this);
    if (!arrow || event->modifiers() != Qt::NoModifier || at < 0 || options.size() < 2) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const qsizetype n = options.size();
    QAbstractButton* next = options[(at + (forward ? 1 : n - 1)) % n];
    next->click();
    next->setFocus(Qt::TabFocusReason);
}

void Option::toggledByUser(bool on)
{
    if (on && !fromCode_ && onClick_)
        Guarded(window(), onClick_);
}

} // namespace ui
