#pragma once

class QAbstractItemView;
class QFocusEvent;
class QString;
class QWidget;

namespace ui {

// A screen reader speaks a control when the keyboard comes to it, but not a
// change of its words in place: Qt's bridge to it passes a new name or
// description on without the words, and a list entry's checkable state not at
// all. Words that follow a change (a tick and the count, a field's new place,
// what the column check finds) are said through a notification of the widget's
// window instead: it has no words of its own and draws nothing, and shows with
// the words given, as a reader speaks a notification when it appears. Nothing
// takes the keyboard and no object is made anew, so a tool that holds one keeps
// it.
void Say(QWidget& widget, const QString& words);

// A list or grid that takes the keyboard is spoken as a whole ("List with 60
// items"), not by the entry or cell the keys will act on. Called as the view
// takes the keyboard, this tells a screen reader, a moment later, that the
// keyboard is on the current entry (nothing when there is none).
void TellCurrentEntry(QAbstractItemView& view);

// A list or grid that tells its current entry as it takes the keyboard.
template <class View>
class SaysCurrentEntry : public View {
public:
    using View::View;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        View::focusInEvent(event);
        TellCurrentEntry(*this);
    }
};

} // namespace ui
