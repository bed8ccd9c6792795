#pragma once

#include <QRadioButton>
#include <functional>

namespace ui {

// An option button with the host's click semantics: its handler runs when the
// option turns on, by a user's click (inside the window's error guard) or by
// turnOn() from code (directly, so a failure reaches the caller). Turning on an
// option that is already on does nothing. The other options of its parent
// widget turn off. Its accelerator turns it on before it takes the focus, so
// that what the focus announces is the option turned on. The arrow keys go
// through the options of its group in their order, whatever their places (two
// columns, say), turning each on as they reach it; from the last Down and
// Right come round to the first.
class Option : public QRadioButton {
    Q_OBJECT
public:
    Option(const QString& name, const QString& caption, QWidget* parent);

    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }
    void turnOn();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void toggledByUser(bool on);

    std::function<void()> onClick_;
    bool fromCode_ = false;
};

} // namespace ui
