#pragma once

#include "base/DialogKit.h"

#include <QFont>
#include <QString>

class QButtonGroup;
class QLabel;
class QWidget;

namespace base {
class Option;
}

// Small builders for the fixed pages: the fonts and the recurring kinds of text.
namespace pagekit {

using dialogkit::Sans;
using dialogkit::Serif;

// The page title: bold, 29 pixels high.
QLabel* Title(QWidget* page, const QString& text);
// A text of the page, word-wrapped; 16 pixels unless given.
QLabel* Text(QWidget* page, const QString& text, int pixels = 16, const QString& name = {});
// An option with a bold caption, in its group (one option on at a time).
base::Option* Opt(QWidget* page, QButtonGroup* group, const QString& name, const QString& caption);

} // namespace pagekit
