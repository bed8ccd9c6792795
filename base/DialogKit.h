#pragma once

#include <QFont>

class QWidget;

// What the store's dialogs share in looks.
namespace dialogkit {

// Times New Roman's metric twin, at a height in pixels.
QFont Serif(int pixels, bool bold = false);
// Arial's metric twin, at a height in pixels.
QFont Sans(int pixels, bool bold = false);

// Places the window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

} // namespace dialogkit
