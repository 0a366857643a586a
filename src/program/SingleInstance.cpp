#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace av {
namespace {

const QString SocketName = QStringLiteral("org.marlowind.AncientVelmora");
constexpr int WaitMs = 2000;

} // namespace

SingleInstance::SingleInstance(const QString& runtimeDir, QObject* parent) : QObject(parent) {
    if (!runtimeDir.isEmpty() && QDir::isAbsolutePath(runtimeDir) && QDir(runtimeDir).exists())
        m_path = QDir(runtimeDir).absoluteFilePath(SocketName);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

bool SingleInstance::askRunningProgram() {
    QLocalSocket socket;
    socket.connectToServer(m_path);
    // Connecting is the whole request: the running program answers every knock.
    if (!socket.waitForConnected(WaitMs)) return false;
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::handOver() {
    if (m_path.isEmpty()) return false;
    // Two starts at the same moment (a double double-click) take turns, so one listens and
    // the other finds it.
    QLockFile turn(m_path + QStringLiteral(".lock"));
    turn.tryLock(WaitMs);
    if (askRunningProgram()) return true;
    // Nobody answered: a socket left by a program that crashed is cleared away.
    QLocalServer::removeServer(m_path);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_path))
        qWarning("Ancient Velmora: cannot listen on %s: %s", qPrintable(m_path),
                 qPrintable(m_server.errorString()));
    return false;
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromServer();
        emit activated();
    }
}

} // namespace av
