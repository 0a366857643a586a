#include "program/FirstInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace av;

namespace {

void send(QWidget& window, QEvent::Type type) {
    const QPointF at(5, 5);
    if (type == QEvent::KeyPress) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&window, &key);
    } else if (type == QEvent::Enter) {
        QEnterEvent enter(at, at, window.mapToGlobal(at));
        QApplication::sendEvent(&window, &enter);
    } else {
        QMouseEvent mouse(type, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &mouse);
    }
}

// The work runs once, at the first real input, ahead of the window that gets it; a pointer
// merely found over a new window is no input, and work whose watcher has gone never runs.
TEST(FirstInput, RunsItsWorkOnceAtTheFirstInputBeforeTheWindowSeesIt) {
    QWidget window;
    window.show();
    for (const QEvent::Type first :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::KeyPress}) {
        int runs = 0;
        bool windowSawItFirst = false;
        auto watcher = std::make_unique<FirstInput>([&] { ++runs; });
        send(window, QEvent::Enter);
        EXPECT_EQ(runs, 0) << "a window appearing under a resting pointer";
        struct Spy : QObject {
            QEvent::Type type;
            bool* seen;
            int* runs;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == type && *runs == 0) *seen = true;
                return false;
            }
        } spy;
        spy.type = first;
        spy.seen = &windowSawItFirst;
        spy.runs = &runs;
        window.installEventFilter(&spy);
        send(window, first);
        send(window, QEvent::KeyPress);
        send(window, QEvent::MouseMove);
        window.removeEventFilter(&spy);
        EXPECT_EQ(runs, 1) << first;
        EXPECT_FALSE(windowSawItFirst) << first;
    }
    int runs = 0;
    auto gone = std::make_unique<FirstInput>([&] { ++runs; });
    gone.reset();
    send(window, QEvent::KeyPress);
    EXPECT_EQ(runs, 0);
}

} // namespace
