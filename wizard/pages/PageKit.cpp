#include "wizard/pages/PageKit.h"

#include "ui/Option.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pagekit {

namespace {

QWidget* NamedPage(const QString& name)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    return page;
}

} // namespace

QVBoxLayout* ColumnLayout(QWidget* page, const QString& name, const QString& title)
{
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Title(page, title));
    return layout;
}

QGridLayout* GridPage(const QString& name, const QString& title, int titleColumns)
{
    QWidget* page = NamedPage(name);
    auto* grid = new QGridLayout(page);
    grid->addWidget(Title(page, title), 0, 0, 1, titleColumns);
    return grid;
}

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

ui::Option* Opt(QWidget* page, QButtonGroup* group, const QString& name, const QString& caption)
{
    auto* option = new ui::Option(name, caption, page);
    option->setFont(Serif(16, true));
    group->addButton(option);
    return option;
}

} // namespace pagekit
