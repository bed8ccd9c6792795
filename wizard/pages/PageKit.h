#pragma once

#include "ui/DialogKit.h"

#include <QFont>
#include <QString>

class QButtonGroup;
class QGridLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace ui {
class Option;
}

// Small builders for the fixed pages: the fonts and the recurring kinds of text.
namespace pagekit {

using ui::Sans;
using ui::Serif;

// A page made by the caller, given its name and its title on top; the caller
// adds the rest to the layout returned.
QVBoxLayout* ColumnLayout(QWidget* page, const QString& name, const QString& title);
// A new page named name on a grid, its title on top, across the first row's
// titleColumns columns; the grid's parentWidget() is the page.
QGridLayout* GridPage(const QString& name, const QString& title, int titleColumns);
// The page title: bold, 29 pixels high.
QLabel* Title(QWidget* page, const QString& text);
// A text of the page, word-wrapped; 16 pixels unless given.
QLabel* Text(QWidget* page, const QString& text, int pixels = 16, const QString& name = {});
// An option with a bold caption, in its group (one option on at a time).
ui::Option* Opt(QWidget* page, QButtonGroup* group, const QString& name, const QString& caption);

} // namespace pagekit
