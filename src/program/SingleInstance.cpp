#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace av {
namespace {

const QString SocketName = QStringLiteral("org.marlowind.AncientVelmora");
constexpr int WaitMs = 2000;

// The socket's address; false when the path is too long for one.
bool addressOf(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Two starts at the same moment (a double double-click) take turns, so one listens and the
// other finds it. The lock goes with the descriptor, also when a start crashes holding it.
class Turn {
  public:
    explicit Turn(const QString& path)
        : m_fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
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
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir) && QDir(runtimeDir).exists())
        m_path = QDir(runtimeDir).absoluteFilePath(SocketName);
}

SingleInstance::~SingleInstance() {
    if (m_listener < 0) return;
    delete m_notifier;
    ::close(m_listener);
    ::unlink(QFile::encodeName(m_path).constData());
}

bool SingleInstance::askRunningProgram() const {
    sockaddr_un address;
    if (!addressOf(m_path, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // A program too busy to take the knock within the wait counts as not running.
    const timeval wait{WaitMs / 1000, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    // Connecting is the whole request: the running program answers every knock.
    const bool answered =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answered;
}

bool SingleInstance::handOver() {
    if (m_path.isEmpty() || m_listener >= 0) return false;
    // Not ".lock": older builds kept a lock file of another kind under that name.
    const Turn turn(m_path + QStringLiteral(".turn"));
    if (askRunningProgram()) return true;
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
    if (!bound || ::listen(fd, 16) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    m_listener = fd;
    m_notifier = new QSocketNotifier(qintptr(fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::answer);
    return true;
}

void SingleInstance::answer() {
    for (int knock; (knock = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        ::close(knock);
        emit activated();
    }
}

} // namespace av
