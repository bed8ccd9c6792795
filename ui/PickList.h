#pragma once

#include <QListWidget>
#include <functional>

namespace ui {

// A list whose entries each carry a check box: a ticked entry is a chosen one.
// A click on an entry or the space bar toggles the tick of that one
// entry and then runs the click handler inside the window's error guard.
// Ticks set from code run no handler.
class PickList : public QListWidget {
    Q_OBJECT
public:
    explicit PickList(const QString& name, QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

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
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggle(QListWidgetItem* item);

    std::function<void()> onClick_;
};

} // namespace ui
