// One program per desktop session, over real local sockets in temporary runtime folders.
#include "program/SingleInstance.h"

#include "TestApp.h"

#include "platform/Window.h"
#include "platform/WindowManager.h"

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace av;
using namespace Qt::StringLiterals;

namespace {

TEST(SingleInstance, ASecondStartAsksTheFirstToComeForwardAndEnds) {
    QTemporaryDir session;
    SingleInstance first(session.path());
    ASSERT_FALSE(first.handOver());
    QSignalSpy asked(&first, &SingleInstance::activated);
    SingleInstance second(session.path());
    EXPECT_TRUE(second.handOver());
    EXPECT_TRUE(asked.wait(5000));
    EXPECT_EQ(asked.count(), 1);
}

TEST(SingleInstance, AnotherSessionStartsItsOwn) {
    QTemporaryDir sessionA;
    QTemporaryDir sessionB;
    SingleInstance first(sessionA.path());
    ASSERT_FALSE(first.handOver());
    SingleInstance other(sessionB.path());
    EXPECT_FALSE(other.handOver());
    EXPECT_TRUE(QFile::exists(sessionB.filePath(u"org.marlowind.AncientVelmora"_s)));
    // No runtime folder: no session to share, every start runs.
    SingleInstance loose(QString{});
    EXPECT_FALSE(loose.handOver());
}

TEST(SingleInstance, ASocketLeftByACrashedProgramIsTakenOver) {
    QTemporaryDir session;
    const QString socket = session.filePath(u"org.marlowind.AncientVelmora"_s);
    {
        QFile left(socket);
        ASSERT_TRUE(left.open(QIODevice::WriteOnly)); // nobody listens behind it
    }
    SingleInstance start(session.path());
    EXPECT_FALSE(start.handOver());
    QLocalSocket probe;
    probe.connectToServer(socket);
    EXPECT_TRUE(probe.waitForConnected(2000));
}

class PlainWindow : public Window {
  public:
    using Window::Window;
    void onLoad() override {}
};

TEST(SingleInstance, BringingForwardShowsTheWindowShownLastAndGivesItTheFocus) {
    test::TestApp t;
    WindowManager& windows = t.windows();
    windows.define(u"a"_s, [] { return new PlainWindow(u"a"_s); });
    windows.define(u"b"_s, [] { return new PlainWindow(u"b"_s); });
    windows.show(u"a"_s);
    windows.show(u"b"_s);
    Window& a = windows.touch(u"a"_s);
    a.activateWindow(); // the focus went elsewhere meanwhile
    ASSERT_TRUE(QTest::qWaitForWindowActive(&a));
    windows.bringToFront();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&windows.touch(u"b"_s)));
    // With the last one gone, another window still on show comes forward.
    windows.unload(u"b"_s);
    test::processDeferredDeletes();
    windows.bringToFront();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&a));
}

} // namespace
