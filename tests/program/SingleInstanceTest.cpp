// One program per desktop session, over real local sockets in temporary runtime folders.
#include "program/SingleInstance.h"

#include "TestApp.h"

#include "platform/Window.h"
#include "platform/WindowManager.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

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

TEST(SingleInstance, OnlyItsUserMayKnockAndTheSocketGoesWithTheProgram) {
    QTemporaryDir session;
    const QString socket = session.filePath(u"org.marlowind.AncientVelmora"_s);
    {
        SingleInstance start(session.path());
        ASSERT_FALSE(start.handOver());
        const QFileInfo info(socket);
        ASSERT_TRUE(info.exists());
        EXPECT_EQ(info.permissions() &
                      (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions{});
    }
    EXPECT_FALSE(QFileInfo::exists(socket));
}

// Two starts at the same moment: while one holds the turn and has not yet listened, the other
// waits, and then finds it instead of taking its socket away.
TEST(SingleInstance, AStartWaitsWhileAnotherIsBetweenAskingAndListening) {
    QTemporaryDir session;
    const QByteArray socket =
        QFile::encodeName(session.filePath(u"org.marlowind.AncientVelmora"_s));
    const int turn =
        ::open(QFile::encodeName(session.filePath(u"org.marlowind.AncientVelmora.turn"_s)),
               O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(turn, 0);
    ASSERT_EQ(::flock(turn, LOCK_EX), 0);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::thread first([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, socket.constData(), size_t(socket.size()));
        ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::listen(listener, 4);
        ::close(turn);
        // and answers, as a running program does
        const int knock = ::accept(listener, nullptr, nullptr);
        ::send(knock, &SingleInstance::Answer, 1, MSG_NOSIGNAL);
        ::close(knock);
    });
    SingleInstance second(session.path());
    const bool handedOver = second.handOver();
    first.join();
    ::close(listener);
    EXPECT_TRUE(handedOver);
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
