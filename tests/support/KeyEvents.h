#pragma once

#include "TestApp.h"

#include "platform/Window.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace av::test {

// Real key events through the window system, sent to the window that has been made active,
// as a keyboard-only pupil would send them.
inline Window& activeWindow(WindowManager& windows, const char* name) {
    Window* w = windows.loaded(QString::fromLatin1(name));
    if (!w) throw std::runtime_error(std::string("not loaded: ") + name);
    if (!w->isActiveWindow()) {
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            throw std::runtime_error(std::string("never active: ") + name);
    }
    return *w;
}

inline void key(Window& w, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w.windowHandle(), k, mods);
}

inline QWidget* focused() {
    return QApplication::focusWidget();
}

// Presses Tab until the target has the focus; false when a whole round never reaches it.
inline bool tabTo(Window& w, const QWidget& target) {
    const qsizetype limit = w.tabStops().size() + 1;
    for (qsizetype i = 0; i < limit; ++i) {
        key(w, Qt::Key_Tab);
        if (focused() == &target) return true;
    }
    return false;
}

} // namespace av::test
