#pragma once

#include "TestApp.h"

#include "activities/ActivityWindow.h"
#include "activities/ActivityWindows.h"
#include "platform/NumberText.h"
#include "quiz/QuizWindows.h"
#include "quiz/ResultsScreen.h"
#include "shell/Glossary.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace av {

// Reaches into a window for what no caller may do: laying out its boxes anew.
struct ActivityWindowTestView {
    static void setPlacement(ActivityWindow& w, ActivityPlacement placement) {
        w.m_placement = std::move(placement);
    }
};

} // namespace av

namespace av::test {

// What the activity showed on the real results screen, read from the screen itself.
struct ResultsSeen {
    const ResultsScreen* screen = nullptr; // the one loaded, nullptr when none is
    QString message;                       // its score message
};

class ActivityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerActivityWindows(t.app());
        registerQuizWindows(t.app());
        t.state().soundOn = 1;
    }

    ActivityWindow& open(const QString& name) {
        auto& w = dynamic_cast<ActivityWindow&>(t.windows().touch(name));
        w.showWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        return w;
    }

    int thuds() const { return static_cast<int>(t.sound.played.count(ThudSound)); }
    int clicks() const { return static_cast<int>(t.sound.played.count(ClickSound)); }

    // A real pointer: events go through the window system, so a pressed label keeps the pointer.
    static QPoint centreOf(const QWidget& w) { return w.geometry().center(); }
    static void press(QWidget& window, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(window.windowHandle(), b, {}, at);
    }
    static void moveTo(QWidget& window, QPoint at) { QTest::mouseMove(window.windowHandle(), at); }
    static void release(QWidget& window, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(window.windowHandle(), b, {}, at);
    }
    // Presses on the label's centre, moves the pointer to a window pixel and lets go there.
    static void drag(ActivityWindow& w, int label, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
        press(w, centreOf(w.draggableLabels()[label]), b);
        moveTo(w, to);
        release(w, to, b);
    }
    // Drags a label by pointer onto the middle of a target box.
    static void dragInto(ActivityWindow& w, int label, int box) {
        drag(w, label, centreOf(w.targetBoxes()[box]));
    }
    static void clickButton(ActivityWindow& w, ActivityLink link) {
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, centreOf(w.link(link)));
    }
    // Puts the label's corner exactly where the figures say, then lets go of it.
    static void dropAt(ActivityWindow& w, int label, float left, float top) {
        w.moveLabel(label, left, top);
        w.onLabelDropped(label, MouseArgs{1, 0, 0, 0});
    }

    ResultsSeen results() {
        const QString name = QString::fromLatin1(ResultsScreen::Name);
        if (!t.windows().isLoaded(name)) return {};
        auto& screen = t.windows().get<ResultsScreen>();
        return {&screen, screen.scoreMessage().caption()};
    }
    // Whether the results screen is loaded and says this score, in its own words.
    bool resultsSay(int score, int total) {
        return results().message.endsWith(QStringLiteral("scored") + numberText(score) +
                                          QStringLiteral(" out of") + numberText(total) +
                                          QLatin1Char('.'));
    }

    TestApp t;
};

} // namespace av::test
