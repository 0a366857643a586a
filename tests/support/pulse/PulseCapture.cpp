#include "PulseCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace av::test {

namespace {

constexpr std::size_t FrameBytes = 2 * sizeof(float);

std::string local(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

QString logTail(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromLocal8Bit(file.readAll().right(400)).trimmed();
}

bool exited(pid_t pid, std::chrono::milliseconds within) {
    const auto until = std::chrono::steady_clock::now() + within;
    do {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

// A desktop's sound server runs at real-time priority (through rtkit); the test's own does too
// where this user may ask for it, or a busy machine starves its clock-paced sink.
std::vector<std::string> realtimePrefix() {
    const QString chrt = QStandardPaths::findExecutable(QStringLiteral("chrt"));
    if (chrt.isEmpty()) return {};
    std::vector<std::string> prefix = {local(chrt), "-r", "10"};
    std::vector<char*> probe;
    for (std::string& a : prefix)
        probe.push_back(a.data());
    std::string truePath = "/bin/true";
    probe.push_back(truePath.data());
    probe.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, probe[0], nullptr, nullptr, probe.data(), environ) != 0) return {};
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return prefix;
}

} // namespace

PulseCapture::PulseCapture() {
    m_failure = start();
    if (!m_failure.isEmpty()) stopServer();
}

PulseCapture::~PulseCapture() {
    stopServer();
    m_stop = true;
    if (m_reader.joinable()) m_reader.join();
    unsetenv("PULSE_SERVER");
    unsetenv("PULSE_CLIENTCONFIG");
}

QString PulseCapture::socketPath() const {
    return m_dir.filePath(QStringLiteral("rt/native"));
}

QString PulseCapture::start() {
    if (!m_dir.isValid()) return QStringLiteral("no temporary folder");
    const QString server = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (server.isEmpty()) return QStringLiteral("pulseaudio is not installed");
    const QString pipe = m_dir.filePath(QStringLiteral("sink.pipe"));
    const QString log = m_dir.filePath(QStringLiteral("server.log"));
    const QString clientConfig = m_dir.filePath(QStringLiteral("client.conf"));
    QDir(m_dir.path()).mkpath(QStringLiteral("rt"));
    QDir(m_dir.path()).mkpath(QStringLiteral("state"));
    chmod(local(m_dir.filePath(QStringLiteral("rt"))).c_str(), 0700);
    if (mkfifo(local(pipe).c_str(), 0600) != 0)
        return QStringLiteral("cannot make the sink's pipe");
    {
        QFile config(clientConfig);
        if (!config.open(QIODevice::WriteOnly)) return QStringLiteral("cannot write client.conf");
        config.write("autospawn = no\n");
    }

    // Its own home and runtime folders, and no display or session bus to reach for.
    const std::vector<std::string> env = {
        "PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin"),
        "HOME=" + local(m_dir.path()),
        "XDG_RUNTIME_DIR=" + local(m_dir.filePath(QStringLiteral("rt"))),
        "XDG_CONFIG_HOME=" + local(m_dir.filePath(QStringLiteral("state"))),
        "PULSE_RUNTIME_PATH=" + local(m_dir.filePath(QStringLiteral("rt"))),
        "PULSE_STATE_PATH=" + local(m_dir.filePath(QStringLiteral("state"))),
        "LANG=C"};
    std::vector<std::string> args = realtimePrefix();
    const std::vector<std::string> serverArgs = {
        local(server),
        "--daemonize=no",
        "-n",
        "--exit-idle-time=-1",
        "--use-pid-file=no",
        "--log-target=stderr",
        "--log-level=error",
        "-L",
        "module-native-protocol-unix auth-anonymous=1 socket=" + local(socketPath()),
        "-L",
        "module-pipe-sink sink_name=capture format=float32le rate=48000 channels=2 "
        "use_system_clock_for_timing=yes file=" +
            local(pipe)};
    args.insert(args.end(), serverArgs.begin(), serverArgs.end());
    std::vector<char*> argv, envp;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, local(log).c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int spawned =
        posix_spawn(&m_server, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        m_server = -1;
        return QStringLiteral("cannot start pulseaudio: ") +
               QString::fromLocal8Bit(strerror(spawned));
    }

    const auto until = Clock::now() + std::chrono::seconds(10);
    while (!QFileInfo::exists(socketPath())) {
        int status = 0;
        if (waitpid(m_server, &status, WNOHANG) == m_server) {
            m_server = -1;
            return QStringLiteral("pulseaudio stopped at once: ") + logTail(log);
        }
        if (Clock::now() > until) return QStringLiteral("pulseaudio did not open its socket");
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const int fd = open(local(pipe).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return QStringLiteral("cannot read the sink's pipe");
    // Room for seconds of sound: a reader held up by a busy machine must not make the sink drop
    // what it plays (the sink's own pacing does not depend on this size).
    fcntl(fd, F_SETPIPE_SZ, 1 << 20);
    m_reader = std::thread(&PulseCapture::read, this, fd);
    setenv("PULSE_SERVER", ("unix:" + local(socketPath())).c_str(), 1);
    setenv("PULSE_CLIENTCONFIG", local(clientConfig).c_str(), 1);
    // The sink plays silence from the start; its first tenth of a second shows it is running.
    if (!waitForFrames(captureFrames(std::chrono::milliseconds(100)), std::chrono::seconds(5)))
        return QStringLiteral("the sink's pipe stays empty: ") + logTail(log);
    return QString();
}

void PulseCapture::stopServer() {
    if (m_server <= 0) return;
    kill(m_server, SIGTERM);
    if (!exited(m_server, std::chrono::seconds(3))) {
        kill(m_server, SIGKILL);
        exited(m_server, std::chrono::seconds(3));
    }
    m_server = -1;
}

void PulseCapture::read(int fd) {
    std::vector<char> buffer(1 << 16);
    std::size_t held = 0; // bytes of a frame cut by the last read
    while (!m_stop) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) continue;
        const ssize_t n = ::read(fd, buffer.data() + held, buffer.size() - held);
        if (n <= 0) {
            if (n < 0 && errno != EAGAIN && errno != EINTR) break;
            // Nobody writes any more: the server is gone.
            if (n == 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const Clock::time_point now = Clock::now();
        const std::size_t bytes = held + std::size_t(n);
        const std::size_t frames = bytes / FrameBytes;
        {
            const std::lock_guard lock(m_mutex);
            for (std::size_t i = 0; i < frames; ++i) {
                float left = 0;
                std::memcpy(&left, buffer.data() + i * FrameBytes, sizeof(float));
                m_samples.push_back(left);
            }
            m_chunks.push_back({m_samples.size(), now});
        }
        held = bytes - frames * FrameBytes;
        std::memmove(buffer.data(), buffer.data() + frames * FrameBytes, held);
    }
    close(fd);
}

std::size_t PulseCapture::frames() const {
    const std::lock_guard lock(m_mutex);
    return m_samples.size();
}

std::vector<float> PulseCapture::since(std::size_t from) const {
    const std::lock_guard lock(m_mutex);
    if (from >= m_samples.size()) return {};
    return std::vector<float>(m_samples.begin() + std::ptrdiff_t(from), m_samples.end());
}

std::optional<PulseCapture::Clock::time_point> PulseCapture::arrival(std::size_t frame) const {
    const std::lock_guard lock(m_mutex);
    const auto chunk = std::upper_bound(m_chunks.begin(), m_chunks.end(), frame,
                                        [](std::size_t f, const Chunk& c) { return f < c.end; });
    if (chunk == m_chunks.end()) return std::nullopt;
    return chunk->at;
}

bool PulseCapture::waitForFrames(std::size_t count, std::chrono::milliseconds timeout) const {
    const auto until = Clock::now() + timeout;
    while (frames() < count) {
        if (Clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

bool PulseCapture::waitFor(std::size_t from, std::chrono::milliseconds duration) const {
    return waitForFrames(from + captureFrames(duration), duration + std::chrono::seconds(5));
}

} // namespace av::test
