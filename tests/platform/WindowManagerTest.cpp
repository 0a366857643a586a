#include "platform/WindowManager.h"
#include "platform/CoveredWindows.h"
#include "platform/Label.h"
#include "platform/RuntimeError.h"
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace av;

namespace {

int g_loads = 0;

class Probe : public Window {
  public:
    explicit Probe(const QString& name)
        : Window(name), label(add<Label>(QStringLiteral("caption"))) {}
    void onLoad() override {
        ++g_loads;
        label.setCaption(QStringLiteral("loaded"));
    }
    Label& label;
};

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class WindowManagerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_loads = 0;
        for (const char* name : {"backdrop", "menu", "topic", "notice"})
            windows.define(QString::fromLatin1(name),
                           [n = QString::fromLatin1(name)] { return new Probe(n); });
        windows.setBackdropName(QStringLiteral("backdrop"));
    }
    WindowManager windows;
};

TEST_F(WindowManagerTest, FirstTouchCreatesAndLoadsOnce) {
    EXPECT_FALSE(windows.isLoaded(QStringLiteral("menu")));
    Window& w = windows.touch(QStringLiteral("menu"));
    EXPECT_EQ(&windows.touch(QStringLiteral("menu")), &w);
    EXPECT_EQ(g_loads, 1);
    EXPECT_FALSE(w.isVisible()) << "touching does not show";
    windows.show(QStringLiteral("menu"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(g_loads, 1);
    EXPECT_THROW(windows.touch(QStringLiteral("nowhere")), RuntimeError);
}

TEST_F(WindowManagerTest, UnloadDiscardsStateAndTheNextTouchStartsAfresh) {
    auto& first = static_cast<Probe&>(windows.touch(QStringLiteral("topic")));
    first.label.setCaption(QStringLiteral("changed"));
    QPointer<Window> old(&first);
    windows.unload(QStringLiteral("topic"));
    EXPECT_FALSE(windows.isLoaded(QStringLiteral("topic")));
    settle();
    EXPECT_TRUE(old.isNull());
    auto& second = static_cast<Probe&>(windows.touch(QStringLiteral("topic")));
    EXPECT_EQ(second.label.caption(), QStringLiteral("loaded"));
    EXPECT_EQ(g_loads, 2);
}

TEST_F(WindowManagerTest, AHandlerMayUnloadItsOwnWindowAndCarryOn) {
    auto& w = static_cast<Probe&>(windows.touch(QStringLiteral("topic")));
    QPointer<Window> guard(&w);
    QString after;
    QObject::connect(&w.label, &Label::clicked, &w, [&] {
        w.unload();
        // Still safe to use: deletion waits until the handler has returned.
        after = w.label.caption();
    });
    w.label.click();
    EXPECT_EQ(after, QStringLiteral("loaded"));
    EXPECT_FALSE(guard.isNull());
    settle();
    EXPECT_TRUE(guard.isNull());
}

TEST_F(WindowManagerTest, ScreensAreOwnedByTheBackdropWhicheverCameFirst) {
    Window& menu = windows.touch(QStringLiteral("menu"));
    EXPECT_EQ(menu.parentWidget(), nullptr);
    Window& backdrop = windows.touch(QStringLiteral("backdrop"));
    EXPECT_EQ(menu.parentWidget(), &backdrop);
    EXPECT_TRUE(menu.isWindow());
    Window& topic = windows.touch(QStringLiteral("topic"));
    EXPECT_EQ(topic.parentWidget(), &backdrop);
}

TEST_F(WindowManagerTest, UnloadStopsTheWindowsTimersAtOnce) {
    Window& w = windows.touch(QStringLiteral("topic"));
    auto* timer = new Timer(&w);
    int ticks = 0;
    QObject::connect(timer, &Timer::tick, [&] { ++ticks; });
    timer->setInterval(1);
    timer->setEnabled(true);
    windows.unload(QStringLiteral("topic"));
    QTest::qWait(20);
    EXPECT_EQ(ticks, 0);
}

TEST_F(WindowManagerTest, CloseButtonRunsTheWindowsOwnExit) {
    Window& w = windows.touch(QStringLiteral("topic"));
    w.showWindow();
    w.close();
    EXPECT_FALSE(windows.isLoaded(QStringLiteral("topic")));
    settle();
}

TEST_F(WindowManagerTest, TwipGeometryKeepsExactValuesAndFrameSize) {
    Window& w = windows.touch(QStringLiteral("topic"));
    w.setOuterSize(12000, 9000);
    w.setLeft(1680.5f);
    EXPECT_FLOAT_EQ(w.Left(), 1680.5f);
    EXPECT_FLOAT_EQ(w.clientWidth(), 11880);
    EXPECT_FLOAT_EQ(w.clientHeight(), 8610);
    EXPECT_EQ(w.size(), QSize(792, 574));
}

// A screen wholly under the one in front has no need of its off-screen copy; one only partly
// under keeps it, and an exposure or a paint gives a screen that let go its copy back.
TEST_F(WindowManagerTest, ScreensWhollyCoveredLetGoOfTheirCopiesUntilExposed) {
    auto open = [&](const char* name, float width, float height) -> Window& {
        Window& w = windows.touch(QString::fromLatin1(name));
        w.setOuterSize(width, height);
        w.showWindow();
        QTest::qWait(120); // its frame, then the moment the windows under it let go
        return w;
    };
    Window& menu = open("menu", 12000, 9000);
    ASSERT_TRUE(covered::holdsCopy(menu)) << "a window shown has drawn itself";
    Window& topic = open("topic", 12000, 9000);
    EXPECT_FALSE(covered::holdsCopy(menu));
    EXPECT_TRUE(covered::holdsCopy(topic)) << "the window in front keeps its copy";
    Window& notice = open("notice", 6000, 4000);
    EXPECT_TRUE(covered::holdsCopy(topic)) << "a smaller window leaves most of it to be seen";
    EXPECT_TRUE(covered::holdsCopy(notice));

    QExposeEvent exposed(QRegion(menu.rect()));
    QCoreApplication::sendEvent(menu.windowHandle(), &exposed);
    EXPECT_TRUE(covered::holdsCopy(menu)) << "an exposure draws the whole window again";
    covered::letGoOfCopy(topic);
    topic.repaint();
    EXPECT_TRUE(covered::holdsCopy(topic)) << "so does any paint";
}

} // namespace
