#pragma once

#include "EngineError.h"
#include "Modal.h"

#include <QAbstractButton>
#include <QString>
#include <exception>
#include <utility>

namespace base {

// The window's general error handling: runs a handler and shows any failure in
// the error box. No exception may pass into Qt's event loop, so every slot that
// answers a user action runs inside this guard. Returns false when it failed.
template <typename F>
bool Guarded(QWidget* window, F&& handler)
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const EngineError& e) {
        ShowError(window, e.text());
    } catch (const std::exception& e) {
        ShowError(window, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

// Connects a button's click to a member handler of window, run inside the guard.
template <typename W>
void OnClick(QAbstractButton* button, W* window, void (W::*handler)())
{
    QObject::connect(button, &QAbstractButton::clicked, window,
                     [window, handler] { Guarded(window, [&] { (window->*handler)(); }); });
}

} // namespace base
