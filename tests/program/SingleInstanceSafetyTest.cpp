// The single-instance socket against programs that do not answer, over real sockets.
#include "program/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace av;
using namespace Qt::StringLiterals;

namespace {

const QString SocketName = u"org.marlowind.AncientVelmora"_s;

sockaddr_un addressOf(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

int listenAt(const QByteArray& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = addressOf(path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0)
        ADD_FAILURE() << "cannot listen at " << path.constData() << ": " << std::strerror(errno);
    return fd;
}

// A program that takes knocks but never answers them, as a stopped one does (the kernel still
// queues its knocks): a start waits two seconds, runs on its own and leaves it alone.
TEST(SingleInstanceSafety, AProgramThatDoesNotAnswerIsLeftAloneAndTheStartRuns) {
    QTemporaryDir session;
    const QString socket = session.filePath(SocketName);
    const int frozen = listenAt(QFile::encodeName(socket));
    SingleInstance start(session.path());
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(start.handOver());
    EXPECT_GE(clock.elapsed(), SingleInstance::WaitMs - 100);
    EXPECT_LT(clock.elapsed(), SingleInstance::WaitMs + 1500);
    EXPECT_TRUE(start.problem().contains(u"does not answer"_s)) << qPrintable(start.problem());
    // Its socket is still the one it listens on.
    EXPECT_TRUE(QFileInfo(socket).exists());
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = addressOf(QFile::encodeName(socket));
    EXPECT_EQ(::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(probe);
    ::close(frozen);
}

} // namespace
