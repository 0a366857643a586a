#pragma once

#include "TestApp.h"

#include "activities/ActivityWindow.h"
#include "activities/ActivityWindows.h"
#include "shell/Glossary.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace av::test {

// What the results screen saw: the score state when it loaded, and how often it was shown.
struct ResultsSeen {
    int loads = 0;
    int score = -1;
    int total = -1;
};

// Stands in for the results screen, which belongs to another library.
class ResultsStandIn : public Screen {
  public:
    ResultsStandIn(App& app, ResultsSeen& seen)
        : Screen(app, QString::fromLatin1(glossary::window::Results)), m_seen(seen) {}
    void onLoad() override {
        ++m_seen.loads;
        m_seen.score = state().scoreState.score;
        m_seen.total = state().scoreState.total;
    }

  private:
    ResultsSeen& m_seen;
};

class ActivityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerActivityWindows(t.app());
        t.windows().define(QString::fromLatin1(glossary::window::Results),
                           [this] { return new ResultsStandIn(t.app(), results); });
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
        press(w, centreOf(w.draggableLabels[label]), b);
        moveTo(w, to);
        release(w, to, b);
    }
    // Drags a label by pointer onto the middle of a target box.
    static void dragInto(ActivityWindow& w, int label, int box) {
        drag(w, label, centreOf(w.targetBoxes[box]));
    }
    static void clickButton(ActivityWindow& w, ActivityLink link) {
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, centreOf(w.link(link)));
    }
    // Puts the label's corner exactly where the figures say, then lets go of it.
    static void dropAt(ActivityWindow& w, int label, float left, float top) {
        w.draggableLabels[label].setPosition(left, top);
        w.onLabelDropped(label, MouseArgs{1, 0, 0, 0});
    }

    TestApp t;
    ResultsSeen results;
};

} // namespace av::test
