#pragma once

#include "ui/Announce.h"

#include <QListWidget>
#include <functional>

namespace ui {

// A list whose entries each carry a check box, ticked while the entry is
// selected: a ticked entry is a chosen one. A click on an entry, the space bar
// or the accessibility action of an entry (a screen reader's, voice control's or
// a switch's press) toggles the tick of that one entry, announces its new state
// and then runs the click handler inside the window's error guard; a screen
// reader is then told the entry, its tick and the summary.
// Ticks set from code, and moving the current entry, run no handler.
class PickList : public SaysCurrentEntry<QListWidget> {
    Q_OBJECT
public:
    explicit PickList(const QString& name, QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }
    // Words said after the entry's own when a tick of the current entry is spoken
    // (how many are chosen), asked after the click handler ran.
    void setTickSummary(std::function<QString()> summary) { summary_ = std::move(summary); }

    void addEntry(const QString& text);
    int entryCount() const { return count(); }
    QString entryText(int index) const;
    bool isTicked(int index) const;
    void setTicked(int index, bool ticked);
    int tickedCount() const;
    // The first entry equal to text ignoring letter case, or -1.
    int findEntry(const QString& text) const;
    void clearTicks();
    void scrollToFirst();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void showTicks(const QItemSelection& changed, bool ticked);
    void announceTick(int row);

    std::function<void()> onClick_;
    std::function<QString()> summary_;
    bool fromCode_ = false;
};

} // namespace ui
