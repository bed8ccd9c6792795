#pragma once

#include "shell/TFrmTabrep.h"

#include <gtest/gtest.h>

// A control of the main window by its name. The pages not built yet are built
// first when it is not found, as the program builds them when code first needs
// one of their controls.
template <typename T = QWidget>
T* FindControl(shell::TFrmTabrep& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        window.wizard().ensurePages();
        found = window.findChild<T*>(QString::fromLatin1(name));
    }
    return found;
}

// A control of the main window (as above) or of a dialog, and a test failure when there is none.
template <typename T>
T* Child(QWidget& window, const char* name)
{
    auto* form = qobject_cast<shell::TFrmTabrep*>(&window);
    T* child = form ? FindControl<T>(*form, name) : window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}
