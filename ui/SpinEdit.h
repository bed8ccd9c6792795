#pragma once

#include <QAbstractSpinBox>
#include <functional>

namespace ui {

// The host's spin edit: while it has the focus its text may stand outside the
// bounds; it is brought into range when the focus leaves. A text that is not a
// number reads as the minimum. Setting the value from code clamps it and runs
// the change handler directly, so a failure in the handler reaches the caller;
// a change typed by the user runs the handler inside the window's error guard.
//
// Assistive technology reads the value, minimum and maximum through the
// properties below, as the number shown, and hears every change of it.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ value WRITE setValueByUser)
    Q_PROPERTY(int minimum READ minimum CONSTANT)
    Q_PROPERTY(int maximum READ maximum CONSTANT)
public:
    SpinEdit(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setMaxLength(int characters);

    // The number in the text (possibly out of range while focused), or the minimum.
    int value() const;
    // Clamps, shows the value and runs the change handler when the text changes.
    void setValue(int value);

    void setChangeHandler(std::function<void()> handler) { onChange_ = std::move(handler); }
    // Runs when the user clicks into the text of the box (not on its arrows).
    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typed();
    void setValueByUser(int value);
    void announce();

    int minimum_;
    int maximum_;
    int maxLength_ = 0;
    std::function<void()> onChange_;
    std::function<void()> onClick_;
};

} // namespace ui
