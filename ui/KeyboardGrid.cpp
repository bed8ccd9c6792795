#include "ui/KeyboardGrid.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace ui::gridkeys {

bool IsTab(const QKeyEvent& key, bool& forward)
{
    if (key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier))) {
        forward = false;
        return true;
    }
    forward = true;
    return key.key() == Qt::Key_Tab;
}

bool HasCtrl(const QKeyEvent& key)
{
    return key.modifiers() & Qt::ControlModifier;
}

bool Wraps(const QModelIndex& current, const QModelIndex& target, bool forward)
{
    if (!current.isValid() || !target.isValid() || target == current)
        return true;
    const bool after = target.row() > current.row()
                       || (target.row() == current.row() && target.column() > current.column());
    return after != forward;
}

bool ShowWholeText(QAbstractItemView& view, QHelpEvent& event)
{
    const QModelIndex index = view.indexAt(event.pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return false;
    const QVariant font = index.data(Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : view.font());
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    const QRect cell = view.visualRect(index);
    if (metrics.horizontalAdvance(text) <= cell.width() - 2 * margin)
        return false;
    QToolTip::showText(event.globalPos(), text, view.viewport(), cell);
    return true;
}

} // namespace ui::gridkeys
