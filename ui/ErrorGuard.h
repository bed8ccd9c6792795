#pragma once

#include "base/EngineError.h"
#include "ui/Modal.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QString>
#include <exception>
#include <new>
#include <utility>

namespace ui {

// What a failure says to the user: the text of a base::Error as it is; for a failure of
// another kind a sentence that the action could not be finished, never the
// library's own text ("std::bad_alloc").
using base::FailureText;

// The window's general error handling: runs a handler and shows any failure in
// the error box. No exception may pass into Qt's event loop, so every slot that
// answers a user action runs inside this guard; failures are worded by
// FailureText. Returns false when it failed.
template <typename F>
bool Guarded(QWidget* window, F&& handler)
{
    try {
        std::forward<F>(handler)();
        return true;
    } catch (const std::exception& e) {
        ShowError(window, FailureText(e));
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

} // namespace ui
