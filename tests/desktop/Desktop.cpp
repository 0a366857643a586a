#include "Desktop.h"
#include "BuildFolders.h"

#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace av::test::desktop {

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

namespace {
// Started in a process group of its own, so that it and whatever it starts (a session bus,
// a settings daemon) stop together.
void ownGroup(QProcess& process) {
    process.setChildProcessModifier([] { setsid(); });
}

void stopGroup(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    const auto group = -pid_t(process.processId());
    ::kill(group, SIGTERM);
    if (!process.waitForFinished(5000)) {
        ::kill(group, SIGKILL);
        process.waitForFinished(2000);
    }
    // What the group started (a settings daemon) may still be writing its files as it ends.
    if (!waitFor([group] { return ::kill(group, 0) != 0; }, 3000)) ::kill(group, SIGKILL);
}
} // namespace

Desktop::Desktop(const WindowManagerCommand& manager, QSize screen) : m_screen(screen) {
    if (qEnvironmentVariableIsSet("VELMORA_NO_XVFB")) {
        m_unavailable = QStringLiteral("VELMORA_NO_XVFB is set");
        return;
    }
    m_xvfb = std::make_unique<xvfb::Xvfb>(screen);
    if (!m_xvfb->isRunning()) {
        m_unavailable = m_xvfb->error();
        return;
    }
    if (run(QStringLiteral("xprop"), {QStringLiteral("-root")}).isEmpty()) {
        m_unavailable = QStringLiteral("the X tools are missing (x11-utils, xdotool)");
        return;
    }
    m_manager.setProcessEnvironment(environment());
    m_manager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_manager.setStandardOutputFile(QProcess::nullDevice());
    ownGroup(m_manager);
    m_manager.start(manager.command.first(), manager.command.mid(1));
    const bool managing =
        m_manager.waitForStarted(5000) &&
        waitFor(
            [this] {
                return property(QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK"))
                    .contains(QLatin1String("window id"));
            },
            15000);
    if (!managing)
        m_unavailable = QStringLiteral("the window manager %1 did not start (is it installed?)")
                            .arg(QString::fromLatin1(manager.name));
}

Desktop::~Desktop() {
    stopGroup(m_program);
    stopGroup(m_manager);
}

QProcessEnvironment Desktop::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_xvfb ? m_xvfb->display() : QString());
    // The program chooses its platform as on a user's desktop; its single-instance socket is
    // its own, so a program running elsewhere is not asked instead.
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("XDG_SESSION_TYPE"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_runtime.path());
    return env;
}

bool Desktop::startProgram(const QStringList& arguments) {
    m_program.setProcessEnvironment(environment());
    // What the program says goes straight to the test's log: kept in a pipe that nothing reads
    // while the test polls, it could fill the pipe and stop the program.
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    ownGroup(m_program);
    m_program.start(built::programDir() + QStringLiteral("/ancient-velmora"), arguments);
    if (!m_program.waitForStarted(5000)) return false;
    // The title and the backdrop.
    if (waitFor([this] { return programWindows().size() >= 2; }, 20000)) return true;
    if (m_program.waitForFinished(0) || m_program.state() == QProcess::NotRunning)
        std::fprintf(stderr, "the program ended, exit code %d\n", m_program.exitCode());
    else
        std::fprintf(stderr, "the program is running with %d window(s) shown\n",
                     int(programWindows().size()));
    return false;
}

QString Desktop::run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QString Desktop::property(const QString& window, const QString& name) {
    QStringList arguments{window, name};
    if (window != QLatin1String("-root")) arguments.prepend(QStringLiteral("-id"));
    return run(QStringLiteral("xprop"), arguments);
}

// A compositing manager (mutter) keeps a minimised window mapped and only stops drawing it:
// its state says so.
bool Desktop::shown(const QString& window) {
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window})
               .contains(QLatin1String("IsViewable")) &&
           !property(window, QStringLiteral("WM_STATE")).contains(QLatin1String("Iconic"));
}

QStringList Desktop::stacking() {
    const QString line =
        property(QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    QStringList ids;
    static const QRegularExpression id(QStringLiteral("0x[0-9a-f]+"));
    for (const auto& match : id.globalMatch(line))
        ids << match.captured();
    return ids;
}

QList<XWindow> Desktop::programWindows() {
    QList<XWindow> windows;
    const qint64 pid = m_program.processId();
    if (pid <= 0) return windows;
    const QString listed =
        run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--pid"), QString::number(pid)});
    for (const QString& decimal : listed.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        XWindow window;
        window.id = QStringLiteral("0x") + QString::number(decimal.toULongLong(), 16);
        const QString shape = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                              QStringLiteral("--shell"), decimal});
        QHash<QString, int> values;
        for (const QString& pair : shape.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq > 0) values.insert(pair.left(eq), pair.mid(eq + 1).toInt());
        }
        window.geometry =
            QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                  values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
        windows << window;
    }
    return windows;
}

} // namespace av::test::desktop
