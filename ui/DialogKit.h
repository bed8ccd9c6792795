#pragma once

#include <QFont>

class QPushButton;
class QString;
class QWidget;

// What the program's windows share in looks: the fonts that stand in for the
// host's, and centring on the screen.
namespace ui {

// Times New Roman's metric twin, at a height in pixels.
QFont Serif(int pixels, bool bold = false);
// Arial's metric twin, at a height in pixels.
QFont Sans(int pixels, bool bold = false);

// Places the window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

// A push button of the selection and save dialogs: named, captioned, in the sans font.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);

} // namespace ui
