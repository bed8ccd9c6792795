#include "wizard/pages/PageKit.h"

#include "ui/Option.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pagekit {

QVBoxLayout* ColumnLayout(QWidget* page, const QString& name, const QString& title)
{
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Title(page, title));
    return layout;
}

QGridLayout* GridPage(const QString& name, const QString& title, int titleColumns)
{
    return GridLayout(new QWidget, name, title, titleColumns);
}

QGridLayout* GridLayout(QWidget* page, const QString& name, const QString& title, int titleColumns)
{
    page->setObjectName(name);
    auto* grid = new QGridLayout(page);
    grid->addWidget(Title(page, title), 0, 0, 1, titleColumns);
    return grid;
}

QFrame* Panel(QWidget* page, const QString& heading)
{
    auto* panel = new QFrame(page);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(panel);
    auto* title = Text(panel, heading, 13);
    title->setFont(Serif(13, true));
    layout->addWidget(title);
    return panel;
}

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
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
