#pragma once

#include "ui/DialogKit.h"

#include <QFont>
#include <QString>

class QButtonGroup;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace ui {
class Option;
}

// Small builders for the fixed pages: the fonts and the recurring kinds of text.
namespace pagekit {

// The property that marks a widget as a page of the wizard.
inline constexpr char PageProperty[] = "tabrepWizardPage";

using ui::Sans;
using ui::Serif;

// A page made by the caller, given its name and its title on top; the caller
// adds the rest to the layout returned.
QVBoxLayout* ColumnLayout(QWidget* page, const QString& name, const QString& title);
// The same on a grid, its title across the first row's titleColumns columns.
QGridLayout* GridLayout(QWidget* page, const QString& name, const QString& title, int titleColumns);
// The page title: bold, 29 pixels high.
QLabel* Title(QWidget* page, const QString& text);
// A text of the page, word-wrapped; 16 pixels unless given.
QLabel* Text(QWidget* page, const QString& text, int pixels = 16, const QString& name = {});
// A raised panel of the page with a bold heading on top, laid out in a column.
QFrame* Panel(QWidget* page, const QString& heading);
// A label named name showing the page's picture file, a PNG of the program's
// own: read as it lies when it is stored plainly (ui::ReadStoredPng), else by
// Qt's own PNG reader, without asking every image plugin first.
QLabel* Picture(QWidget* page, const QString& file, const QString& name);
// A push button named name.
QPushButton* Button(QWidget* parent, const QString& name, const QString& caption);
// An option with a bold caption, in its group (one option on at a time).
ui::Option* Opt(QWidget* page, QButtonGroup* group, const QString& name, const QString& caption);

} // namespace pagekit
