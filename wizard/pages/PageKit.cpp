#include "wizard/pages/PageKit.h"

#include "base/Option.h"

#include <QButtonGroup>
#include <QLabel>

namespace pagekit {

QLabel* Title(QWidget* page, const QString& text)
{
    auto* label = new QLabel(text, page);
    label->setFont(Serif(29, true));
    return label;
}

QLabel* Text(QWidget* page, const QString& text, int pixels, const QString& name)
{
    auto* label = new QLabel(text, page);
    label->setFont(Serif(pixels));
    label->setWordWrap(true);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

base::Option* Opt(QWidget* page, QButtonGroup* group, const QString& name, const QString& caption)
{
    auto* option = new base::Option(name, caption, page);
    option->setFont(Serif(16, true));
    group->addButton(option);
    return option;
}

} // namespace pagekit
