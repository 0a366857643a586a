#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace av {
namespace {

const QString SocketName = QStringLiteral("org.marlowind.AncientVelmora");
constexpr int WaitMs = SingleInstance::WaitMs;

// The socket's address; false when the path is too long for one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

bool fromThisAccount(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == ::geteuid();
}

// Why a runtime folder is no place for the socket: another account owns it or may write in
// it (a shared, sticky folder), so what lies in it could be anyone's. Empty when it is fine.
QString folderProblem(const QString& dir) {
    struct stat info {};
    if (::stat(QFile::encodeName(dir).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return QStringLiteral("does not exist");
    if (info.st_uid != ::geteuid()) return QStringLiteral("belongs to another account");
    if (info.st_mode & (S_IWGRP | S_IWOTH)) return QStringLiteral("may be written by others");
    return {};
}

// Two starts at the same moment (a double double-click) take turns, so one listens and the
// other finds it. The lock goes with the descriptor, also when a start crashes holding it. A
// link, or anything but this account's own file, is never opened through: no turn is taken.
class Turn {
  public:
    explicit Turn(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK, 0600)) {
        struct stat info {};
        if (m_fd >= 0 &&
            (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())) {
            ::close(m_fd);
            m_fd = -1;
        }
        for (int waited = 0; m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0 &&
                             errno == EWOULDBLOCK && waited < WaitMs;
             waited += 10)
            QThread::msleep(10);
    }
    ~Turn() {
        if (m_fd >= 0) ::close(m_fd); // and with it the lock
    }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

  private:
    int m_fd;
};

} // namespace

SingleInstance::SingleInstance(const QString& runtimeDir, QObject* parent) : QObject(parent) {
    if (runtimeDir.isEmpty() || !QDir::isAbsolutePath(runtimeDir) || !QDir(runtimeDir).exists())
        return;
    const QString problem = folderProblem(runtimeDir);
    if (!problem.isEmpty()) {
        m_problem = QStringLiteral("the runtime folder %1 %2, so this start runs on its own")
                        .arg(runtimeDir, problem);
        return;
    }
    m_path = QDir(runtimeDir).absoluteFilePath(SocketName);
}

SingleInstance::~SingleInstance() {
    if (m_listener < 0) return;
    const char stop = 0;
    if (::write(m_stop[1], &stop, 1) < 0) qWarning("Ancient Velmora: cannot stop answering");
    m_answerer.join();
    ::close(m_stop[0]);
    ::close(m_stop[1]);
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_path).constData());
}

SingleInstance::Knock SingleInstance::askRunningProgram() const {
    sockaddr_un address;
    if (!addressOf(m_path, address)) return Knock::NobodyThere;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return Knock::NobodyThere;
    Knock knock = Knock::NoAnswer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // A full queue of knocks: a program is there but takes none of them.
        knock = errno == EAGAIN ? Knock::NoAnswer : Knock::NobodyThere;
    } else if (!fromThisAccount(fd)) {
        knock = Knock::Stranger;
    } else {
        pollfd wait{fd, POLLIN, 0};
        char answer = 0;
        if (::poll(&wait, 1, WaitMs) == 1 && ::read(fd, &answer, 1) == 1 &&
            answer == SingleInstance::Answer)
            knock = Knock::Answered;
    }
    ::close(fd);
    return knock;
}

bool SingleInstance::handOver() {
    if (m_path.isEmpty() || m_listener >= 0) return false;
    // Not ".lock": older builds kept a lock file of another kind under that name.
    const Turn turn(m_path + QStringLiteral(".turn"));
    switch (askRunningProgram()) {
    case Knock::Answered:
        return true;
    case Knock::Stranger:
        m_problem = QStringLiteral("another account listens on %1, so this start runs on its own")
                        .arg(m_path);
        return false;
    case Knock::NoAnswer:
        // Stopped, perhaps by a debugger: its socket stays its own, and it is left alone.
        m_problem = QStringLiteral("the program already running does not answer, so this start "
                                   "runs on its own");
        return false;
    case Knock::NobodyThere:
        break;
    }
    if (!listen())
        qWarning("Ancient Velmora: cannot listen on %s: %s", qPrintable(m_path),
                 std::strerror(errno));
    return false;
}

bool SingleInstance::listen() {
    sockaddr_un address;
    if (!addressOf(m_path, address)) {
        errno = ENAMETOOLONG;
        return false;
    }
    // Nobody answered: a socket left by a program that crashed is cleared away.
    ::unlink(address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    const mode_t mask = ::umask(0077); // only this user may knock
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 16) != 0 || ::pipe2(m_stop, O_CLOEXEC) != 0) {
        const int error = errno;
        ::close(fd);
        if (bound) ::unlink(address.sun_path);
        errno = error;
        return false;
    }
    m_listener = fd;
    m_answerer = std::thread([this] { answerKnocks(); });
    return true;
}

// On its own thread until the program ends: every knock of this account is answered at once
// and brings the program forward on its own thread; anyone else's is closed unanswered.
void SingleInstance::answerKnocks() {
    for (;;) {
        pollfd waits[2] = {{m_listener, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        if (::poll(waits, 2, -1) < 0 && errno != EINTR) return;
        if (waits[1].revents) return;
        for (int knock; (knock = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            const bool ours = fromThisAccount(knock);
            // A start that gave up meanwhile is gone: no signal for a pipe nobody reads.
            if (ours) ::send(knock, &Answer, 1, MSG_NOSIGNAL);
            ::close(knock);
            if (ours)
                QMetaObject::invokeMethod(
                    this, [this] { emit activated(); }, Qt::QueuedConnection);
        }
    }
}

} // namespace av
