#pragma once

#include <QApplication>

namespace ui {

// The hourglass while a long step runs, restored however the step ends. Message
// boxes shown meanwhile take the arrow.
class Hourglass {
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

} // namespace ui
