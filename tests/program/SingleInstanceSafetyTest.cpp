// The single-instance socket against programs that do not answer and against other accounts:
// real sockets, and as root a real throwaway account made with useradd for the test.
#include "program/SingleInstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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

// Another account, made for the test and removed after it.
class OtherAccount {
  public:
    OtherAccount() {
        if (::geteuid() != 0) return;
        name = "velmora-test-" + QByteArray::number(::getpid());
        if (!accounts(u"useradd"_s, {u"--system"_s, u"--no-create-home"_s, u"--shell"_s,
                                     u"/usr/sbin/nologin"_s, QString::fromLatin1(name)}))
            return;
        made = true;
        if (const passwd* entry = ::getpwnam(name.constData())) {
            uid = entry->pw_uid;
            gid = entry->pw_gid;
        }
    }
    ~OtherAccount() {
        if (made) accounts(u"userdel"_s, {QString::fromLatin1(name)});
    }
    OtherAccount(const OtherAccount&) = delete;
    OtherAccount& operator=(const OtherAccount&) = delete;
    bool ready() const { return uid != 0; }
    // Tests running side by side may hold the account files' lock a moment: tried again.
    static bool accounts(const QString& tool, const QStringList& arguments) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (QProcess::execute(tool, arguments) == 0) return true;
            ::usleep(300000);
        }
        return false;
    }
    // Becomes this account, in a child process.
    bool become() const {
        return ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
    }

    QByteArray name;
    bool made = false;
    uid_t uid = 0;
    gid_t gid = 0;
};

// A listener of the other account at path, answering every knock as the program would; it
// ends when stop is written to and its exit code is the number of knocks it had. boundFirst:
// bind as this account (as root could, in a folder of this account), listen as the other one.
class StrangerListener {
  public:
    StrangerListener(const OtherAccount& account, const QByteArray& path, bool boundFirst,
                     const QByteArray& plantedLink = {}, const QByteArray& linkTarget = {}) {
        if (::pipe2(m_stop, O_CLOEXEC) != 0) return;
        const sockaddr_un address = addressOf(path);
        m_pid = ::fork();
        if (m_pid != 0) return;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const auto bindIt = [&] {
            return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        };
        if ((boundFirst && !bindIt()) || !account.become() || (!boundFirst && !bindIt()))
            ::_exit(100);
        if (!plantedLink.isEmpty() && ::symlink(linkTarget.constData(), plantedLink.constData()))
            ::_exit(101);
        ::chmod(address.sun_path, 0777);
        if (::listen(fd, 4) != 0) ::_exit(102);
        int knocks = 0;
        for (;;) {
            pollfd waits[2] = {{fd, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
            ::poll(waits, 2, 20000);
            if (waits[1].revents || !waits[0].revents) ::_exit(knocks);
            const int knock = ::accept(fd, nullptr, nullptr);
            ::send(knock, &SingleInstance::Answer, 1, MSG_NOSIGNAL);
            ::close(knock);
            ++knocks;
        }
    }
    // The number of knocks it had; 100 and above: it could not set itself up.
    int stop() {
        if (::write(m_stop[1], "x", 1) != 1) return -1;
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        ::close(m_stop[0]);
        ::close(m_stop[1]);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t m_pid = -1;
    int m_stop[2] = {-1, -1};
};

bool waitForSocket(const QString& path) {
    for (int i = 0; i < 200 && !QFileInfo(path).exists(); ++i)
        ::usleep(10000);
    return QFileInfo(path).exists();
}

#define NEED_OTHER_ACCOUNT(account)                                                                \
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a throwaway account with useradd";   \
    if (!(account).ready()) GTEST_SKIP() << "useradd could not make a throwaway account"

// A runtime folder shared with other accounts (sticky, as /tmp): the other account listens on
// the program's socket, answering as the program would, and has planted a link at the turn
// file. The start neither asks it, nor follows the link, nor listens there: it runs on its own.
TEST(SingleInstanceSafety, AFolderSharedWithOtherAccountsIsNotUsed) {
    OtherAccount other;
    NEED_OTHER_ACCOUNT(other);
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0711), 0); // a way in, no more
    const QString shared = dir.filePath(u"shared"_s);
    ASSERT_EQ(::mkdir(QFile::encodeName(shared).constData(), 0700), 0);
    ASSERT_EQ(::chown(QFile::encodeName(shared).constData(), other.uid, other.gid), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 01777), 0);
    // The link leads where only this account may write; following it would make the file.
    const QString victim = dir.filePath(u"nologin"_s);
    const QString socket = shared + u"/"_s + SocketName;
    StrangerListener stranger(other, QFile::encodeName(socket), false,
                              QFile::encodeName(socket + u".turn"_s), QFile::encodeName(victim));
    ASSERT_TRUE(waitForSocket(socket));
    {
        SingleInstance start(shared);
        EXPECT_FALSE(start.handOver());
        EXPECT_TRUE(start.problem().contains(u"belongs to another account"_s))
            << qPrintable(start.problem());
    }
    EXPECT_FALSE(QFileInfo::exists(victim)) << "the link at the turn file was followed";
    EXPECT_EQ(stranger.stop(), 0) << "the other account's program was asked";
    EXPECT_TRUE(QFileInfo(socket).exists()) << "its socket is not the start's to remove";

    // Even the account's own folder, when others may write in it.
    QTemporaryDir writable;
    ASSERT_EQ(::chmod(QFile::encodeName(writable.path()).constData(), 0777), 0);
    SingleInstance start(writable.path());
    EXPECT_FALSE(start.handOver());
    EXPECT_TRUE(start.problem().contains(u"may be written by others"_s));
    EXPECT_FALSE(QFileInfo::exists(writable.filePath(SocketName)));
}

// Peer credentials: a socket in the account's own folder that another account listens on is
// not asked to come forward, and a knock from another account is neither answered nor obeyed.
TEST(SingleInstanceSafety, OnlyAProgramOfTheSameAccountIsAskedOrAnswered) {
    OtherAccount other;
    NEED_OTHER_ACCOUNT(other);
    QTemporaryDir session;
    const QString socket = session.filePath(SocketName);
    {
        StrangerListener stranger(other, QFile::encodeName(socket), true);
        ASSERT_TRUE(waitForSocket(socket));
        ::usleep(100000); // until it listens
        SingleInstance start(session.path());
        EXPECT_FALSE(start.handOver()) << "handed over to another account's program";
        EXPECT_TRUE(start.problem().contains(u"another account listens"_s))
            << qPrintable(start.problem());
        EXPECT_LT(stranger.stop(), 100);
    }
    ::unlink(QFile::encodeName(socket).constData());

    SingleInstance running(session.path());
    ASSERT_FALSE(running.handOver());
    QSignalSpy asked(&running, &SingleInstance::activated);
    ASSERT_EQ(::chmod(QFile::encodeName(session.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(socket).constData(), 0777), 0);
    const sockaddr_un address = addressOf(QFile::encodeName(socket));
    const pid_t knocker = ::fork();
    if (knocker == 0) {
        if (!other.become()) ::_exit(100);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            ::_exit(101);
        pollfd wait{fd, POLLIN, 0};
        char answer = 0;
        ::_exit(::poll(&wait, 1, 3000) == 1 && ::read(fd, &answer, 1) == 1 ? 1 : 0);
    }
    int status = 0;
    ::waitpid(knocker, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "another account's knock: 1 answered, 10x set-up failed";
    EXPECT_FALSE(asked.wait(300));
}

} // namespace
