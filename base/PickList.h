#pragma once

#include <QListWidget>
#include <functional>

namespace base {

// A multi-select list whose entries each carry a check box, ticked while the
// entry is selected. A click on an entry or the space bar toggles that one
// entry and then runs the click handler inside the window's error guard.
// Selections made from code run no handler.
class PickList : public QListWidget {
    Q_OBJECT
public:
    explicit PickList(const QString& name, QWidget* parent = nullptr);

    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

    void addEntry(const QString& text);
    int entryCount() const { return count(); }
    QString entryText(int index) const;
    bool isEntrySelected(int index) const;
    void setEntrySelected(int index, bool selected);
    int selectedCount() const;
    // The first entry equal to text ignoring letter case, or -1.
    int findEntry(const QString& text) const;
    void clearSelections();
    void scrollToFirst();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggle(QListWidgetItem* item);

    std::function<void()> onClick_;
};

} // namespace base
