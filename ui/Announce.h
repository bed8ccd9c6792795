#pragma once

class QAbstractItemView;
class QWidget;

namespace ui {

// A screen reader speaks a control when the keyboard comes to it, but not a
// change of its words or state in place: Qt's bridge to it passes a new name or
// description on without the words, and a list entry's checkable state not at
// all. So that a control that keeps the keyboard is heard again with its new
// words, the reader is first told that the keyboard went to the control's
// container, and a moment later that it came to the control, which is made
// anew for assistive technology (an object the reader has not spoken yet, even
// where the first step went unheard). Both do nothing while the control lacks
// the keyboard.
void AnnounceAgain(QWidget& widget);
// The same for the view's current entry (a list's row).
void AnnounceCurrentAgain(QAbstractItemView& view);

} // namespace ui
