#pragma once

#include <QFont>

#include <functional>

class QPushButton;
class QString;
class QWidget;

// What the program's windows share in looks: the fonts that stand in for the
// host's, and centring on the screen.
namespace ui {

// The fonts follow the desktop's size: a size is given as the height in pixels it
// has at the default application font (9 points at 96 dots per inch) and becomes
// points, in proportion to the application font.
// Times New Roman's metric twin.
QFont Serif(int pixels, bool bold = false);
// Arial's metric twin.
QFont Sans(int pixels, bool bold = false);
// The application font's size against the default, at least 1: windows and
// columns laid out in pixels for the default grow by it.
qreal TextScale();
// A length in pixels at the default font, grown with the application font.
int Scaled(int pixels);

// Gives the keyboard to the first control of container that takes it from Tab:
// its checked option when it has one. Nothing when none does.
void FocusInto(QWidget* container);

// Places the window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

// A push button of the selection and save dialogs: named, captioned, in the sans font.
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);

// F1 in a dialog asks for the help topic with a context number; the program
// installs who shows it (until then a request shows nothing).
void SetHelpHandler(std::function<void(QWidget*, int)> handler);
void RequestHelp(QWidget* parent, int context);

} // namespace ui
