#include "Xvfb.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace av::xvfb {

Xvfb::Xvfb(QSize screen) {
    int fds[2];
    if (pipe(fds) != 0) {
        m_error = QStringLiteral("no pipe");
        return;
    }
    const std::string size =
        std::to_string(screen.width()) + "x" + std::to_string(screen.height()) + "x24";
    const std::string fd = std::to_string(fds[1]);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        // The server writes its display number to the pipe once it accepts clients.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", size.c_str(), "-nolisten",
               "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        m_error = QStringLiteral("could not fork");
        return;
    }
    std::string number;
    char c = 0;
    ssize_t n = 0;
    while ((n = read(fds[0], &c, 1)) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        waitpid(pid, nullptr, 0);
        m_error = QStringLiteral("Xvfb did not start (is the xvfb package installed?)");
        return;
    }
    m_pid = pid;
    m_display = QLatin1Char(':') + QString::fromStdString(number);
}

Xvfb::~Xvfb() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
}

QString displayOrXvfb(Xvfb*& owned, QSize screen) {
    owned = nullptr;
    const QByteArray given = qgetenv("VELMORA_BENCH_DISPLAY");
    if (!given.isEmpty()) return QString::fromLocal8Bit(given);
    owned = new Xvfb(screen);
    if (!owned->isRunning()) {
        std::fprintf(stderr, "%s\n", qPrintable(owned->error()));
        delete owned;
        owned = nullptr;
        return {};
    }
    return owned->display();
}

} // namespace av::xvfb
