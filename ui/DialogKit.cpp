#include "ui/DialogKit.h"

#include <QGuiApplication>
#include <QAbstractButton>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {

// The application font's size when the desktop sets none.
constexpr qreal DefaultPoints = 9;
// At 96 dots per inch a point is three quarters of a pixel.
constexpr qreal PointsPerPixel = 0.75;

QFont Font(const char* family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pixels * PointsPerPixel * TextScale());
    font.setBold(bold);
    return font;
}

std::function<void(QWidget*, int)>& HelpHandler()
{
    static std::function<void(QWidget*, int)> handler;
    return handler;
}

} // namespace

qreal TextScale()
{
    const QFont application = QGuiApplication::font();
    const qreal points = application.pointSizeF() > 0 ? application.pointSizeF()
                                                       : application.pixelSize() * PointsPerPixel;
    return std::max<qreal>(1, points / DefaultPoints);
}

int Scaled(int pixels)
{
    return qRound(pixels * TextScale());
}

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

void SetHelpHandler(std::function<void(QWidget*, int)> handler)
{
    HelpHandler() = std::move(handler);
}

void RequestHelp(QWidget* parent, int context)
{
    if (HelpHandler())
        HelpHandler()(parent, context);
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(Sans(11));
    return button;
}

namespace {

bool TakesTab(const QWidget* widget, const QWidget* container)
{
    return widget->isVisibleTo(container) && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

} // namespace

void FocusInto(QWidget* container)
{
    // A group's options take Tab only while one of them has had the keyboard last
    // (Qt moves the Tab stop to the option focused), so the checked one is looked
    // for among every option shown.
    for (QAbstractButton* button : container->findChildren<QAbstractButton*>())
        if (button->isCheckable() && button->isChecked() && qobject_cast<QRadioButton*>(button)
            && button->isVisibleTo(container) && button->isEnabled()) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
    for (QWidget* widget = container->nextInFocusChain(); widget != container; widget = widget->nextInFocusChain())
        if (container->isAncestorOf(widget) && TakesTab(widget, container)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
}

} // namespace ui
