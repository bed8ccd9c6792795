#pragma once

#include "ui/Announce.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>
#include <QTableView>
#include <QTableWidget>

class QHelpEvent;

namespace ui {

namespace gridkeys {

// The key press is Tab or Shift+Tab (Backtab), with or without Ctrl; forward tells which.
bool IsTab(const QKeyEvent& key, bool& forward);
bool HasCtrl(const QKeyEvent& key);
// Tab from current would go to target: true when that wraps around (or goes
// nowhere), so the focus should leave the grid instead.
bool Wraps(const QModelIndex& current, const QModelIndex& target, bool forward);
// A tooltip with the whole text of a cell whose text does not fit it; false
// when the cell's text fits (the view's own tooltip handling then runs).
bool ShowWholeText(QAbstractItemView& view, QHelpEvent& event);

} // namespace gridkeys

// A grid that never keeps the keyboard: Tab and Shift+Tab move from cell to cell
// and, past the last cell or before the first, on to the next or previous
// control of the window; Ctrl+Tab and Ctrl+Shift+Tab leave at once, also while
// a cell is being edited (the cell's text is stored first, as Tab stores it).
// Arrows, typing and F2 are the view's own. A cell's text that does not fit
// shows whole as a tooltip.
// The grid tells its current cell as it takes the keyboard.
template <class View>
class KeyboardGrid : public SaysCurrentEntry<View> {
public:
    using SaysCurrentEntry<View>::SaysCurrentEntry;

protected:
    bool focusNextPrevChild(bool next) override
    {
        if (atEdge(next))
            return QWidget::focusNextPrevChild(next);
        return View::focusNextPrevChild(next);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        bool forward = true;
        if (gridkeys::IsTab(*event, forward) && gridkeys::HasCtrl(*event)) {
            QWidget::focusNextPrevChild(forward);
            return;
        }
        View::keyPressEvent(event);
    }

    // The cell's editor answers to this grid before its delegate, which would
    // move Tab on to the next cell even from the last.
    bool edit(const QModelIndex& index, QAbstractItemView::EditTrigger trigger, QEvent* event) override
    {
        const bool opened = View::edit(index, trigger, event);
        if (opened)
            if (QWidget* editor = this->indexWidget(index))
                editor->installEventFilter(this);
        return opened;
    }

    // Return or Enter in an open cell finishes the cell only: it does not reach
    // the window's default button.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return View::eventFilter(watched, event);
        const auto& key = *static_cast<QKeyEvent*>(event);
        auto* editor = static_cast<QWidget*>(watched);
        bool forward = true;
        if (gridkeys::IsTab(key, forward) && (gridkeys::HasCtrl(key) || atEdge(forward))) {
            finishEditor(editor);
            QWidget::focusNextPrevChild(forward);
            return true;
        }
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            finishEditor(editor);
            return true;
        }
        return View::eventFilter(watched, event);
    }

    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip && gridkeys::ShowWholeText(*this, *static_cast<QHelpEvent*>(event)))
            return true;
        return View::viewportEvent(event);
    }

private:
    // Stores the editor's text in its cell and closes it.
    void finishEditor(QWidget* editor)
    {
        if (QAbstractItemDelegate* delegate = this->itemDelegateForIndex(this->currentIndex())) {
            emit delegate->commitData(editor);
            emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }

    bool atEdge(bool forward)
    {
        const auto action = forward ? QAbstractItemView::MoveNext : QAbstractItemView::MovePrevious;
        return gridkeys::Wraps(this->currentIndex(), this->moveCursor(action, Qt::NoModifier), forward);
    }
};

using KeyboardTableWidget = KeyboardGrid<QTableWidget>;
using KeyboardTableView = KeyboardGrid<QTableView>;

} // namespace ui
