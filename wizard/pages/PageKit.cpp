#include "wizard/pages/PageKit.h"

#include "ui/Option.h"
#include "ui/StoredPng.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QVBoxLayout>
#include <QAccessible>
#include <QAccessibleWidget>

namespace pagekit {

namespace {

// A screen reader tells the page's name when the keyboard enters it, as it does
// for a named panel (a plain widget is a filler, which it passes over).
QAccessibleInterface* PageAccessible(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->property(PageProperty).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

void NamePage(QWidget* page, const QString& name, const QString& title)
{
    static const bool installed = [] {
        QAccessible::installFactory(PageAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    page->setObjectName(name);
    page->setProperty(PageProperty, true);
    page->setAccessibleName(title);
}

} // namespace

QVBoxLayout* ColumnLayout(QWidget* page, const QString& name, const QString& title)
{
    NamePage(page, name, title);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Title(page, title));
    return layout;
}

QGridLayout* GridLayout(QWidget* page, const QString& name, const QString& title, int titleColumns)
{
    NamePage(page, name, title);
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

QLabel* Picture(QWidget* page, const QString& file, const QString& name)
{
    auto* picture = new QLabel(page);
    picture->setObjectName(name);
    // The pages' pictures are stored plainly in the program: read where they lie, without an image reader.
    const QResource resource(file);
    QImage image;
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression)
        image = ui::ReadStoredPng(QByteArrayView(resource.data(), resource.size()));
    if (image.isNull()) {
        QImageReader reader(file, "png");
        // Told its format and not to guess, the reader does not load the image plugins to ask them.
        reader.setAutoDetectImageFormat(false);
        image = reader.read();
    }
    picture->setPixmap(QPixmap::fromImage(image));
    return picture;
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
    // A page's first text explains it: a screen reader reads it with the page's name.
    if (!page->accessibleName().isEmpty() && page->accessibleDescription().isEmpty())
        page->setAccessibleDescription(text);
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
