#include "ui/SpinEdit.h"

#include "ui/ErrorGuard.h"
#include "base/TextNumbers.h"

#include <QAccessible>
#include <QEvent>
#include <QLineEdit>
#include <algorithm>

namespace ui {

SpinEdit::SpinEdit(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    lineEdit()->setText(QString::number(minimum_));
    connect(lineEdit(), &QLineEdit::textEdited, this, &SpinEdit::typed);
    lineEdit()->installEventFilter(this);
}

void SpinEdit::setMaxLength(int characters)
{
    maxLength_ = characters;
    lineEdit()->setMaxLength(characters);
}

int SpinEdit::value() const
{
    const auto parsed = base::ParseInteger(lineEdit()->text());
    return parsed ? *parsed : minimum_;
}

void SpinEdit::setValue(int value)
{
    const QString text = QString::number(std::clamp(value, minimum_, maximum_));
    if (text == lineEdit()->text())
        return;
    lineEdit()->setText(text);
    announce();
    if (onChange_)
        onChange_();
}

// A value set by assistive technology is the user's: the handler runs in the guard.
void SpinEdit::setValueByUser(int value)
{
    Guarded(window(), [&] { setValue(value); });
}

void SpinEdit::announce()
{
    QAccessibleValueChangeEvent event(this, value());
    QAccessible::updateAccessibility(&event);
}

QValidator::State SpinEdit::validate(QString& input, int&) const
{
    if (maxLength_ > 0 && input.size() > maxLength_)
        return QValidator::Invalid;
    for (QChar c : input)
        if (!c.isDigit() && c != u'-' && c != u'+')
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void SpinEdit::fixup(QString&) const {}

void SpinEdit::stepBy(int steps)
{
    // The arrows and the wheel are the user's: the change handler runs in the guard.
    setValueByUser(value() + steps);
    selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (value() > minimum_)
        enabled |= StepDownEnabled;
    if (value() < maximum_)
        enabled |= StepUpEnabled;
    return enabled;
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    const int current = value();
    const bool parsed = base::ParseInteger(lineEdit()->text()).has_value();
    if (!parsed || current < minimum_ || current > maximum_)
        Guarded(window(), [&] { setValue(current); });
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress && onClick_)
        Guarded(window(), onClick_);
    return QAbstractSpinBox::eventFilter(watched, event);
}

void SpinEdit::typed()
{
    announce();
    if (onChange_)
        Guarded(window(), onChange_);
}

} // namespace ui
