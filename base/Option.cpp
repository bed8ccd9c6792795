#include "base/Option.h"

#include "base/ErrorGuard.h"

namespace base {

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

void Option::toggledByUser(bool on)
{
    if (on && !fromCode_ && onClick_)
        Guarded(window(), onClick_);
}

} // namespace base
