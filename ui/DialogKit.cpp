#include "ui/DialogKit.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace ui {

namespace {

QFont Font(const char* family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

QFont Serif(int pixels, bool bold)
{
    return Font("Liberation Serif", pixels, bold);
}

QFont Sans(int pixels, bool bold)
{
    return Font("Liberation Sans", pixels, bold);
}

void CentreOnScreen(QWidget& window)
{
    if (const QScreen* screen = window.screen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(Sans(11));
    return button;
}

} // namespace ui
