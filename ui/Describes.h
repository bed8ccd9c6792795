#pragma once

class QLabel;
class QWidget;

namespace ui {

// A text standing beside a control to describe it (an option's "First Name,
// Last Name, User Fields, etc."): the control carries it as its description,
// spoken with it, and the text tells assistive technology that it belongs to
// the control. A screen reader entering a page reads the page's texts that
// belong to no control as one block; this text is then not among them and is
// heard once, with its control. The control keeps its own name. Called as
// the page is built, before the text is shown.
void Describes(QLabel& text, QWidget& control);

} // namespace ui
