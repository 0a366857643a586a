// The program's memory on a real display (a private Xvfb), beside a bare Qt Widgets window:
// resident at the title screen once it has settled, untouched (the sound card opens at the
// first touch of the pointer or keyboard), and the peak over a walk through the screens and
// pages (the screen benchmark's walk, in a process of its own); at 1280 x 1024 and at 3840 x 2160,
// where the backdrop must cost no more than on the smaller screen. Each figure is the median of its
// runs.
//
//   memory_bench [--runs N] [--walks N] [--program LABEL=PATH]... [--walker LABEL=PATH]...
//
// --program adds another build of the program for the title figure, --walker another build of
// this benchmark for the walk (older builds, say). The walks open the sound card on a private
// PulseAudio server, as a classroom desktop has a sound server; --no-sound-server walks without
// one, where the card falls back to ALSA.
#include "BuildFolders.h"
#include "FrameClock.h"
#include "ProcessMemory.h"
#include "ScreenWalk.h"
#include "Stats.h"
#include "Xvfb.h"

#ifdef VELMORA_SOUND_SERVER
#include "PulseCapture.h"
#endif

#include "program/MallocTuning.h"
#include "program/Program.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace av::bench;

namespace {

constexpr int SettleMs = 1500; // the title's first frame and what follows it

struct Contender {
    QString label;
    QString path;
    bool walker = false;
    std::vector<double> title, peak;
};

struct Settings {
    int runs = 3;
    int walks = 1;
    bool soundServer = true;
    std::vector<Contender> contenders;
};

Contender contender(const QString& label, const QString& path, bool walker = false) {
    Contender c;
    c.label = label;
    c.path = path;
    c.walker = walker;
    return c;
}

Contender parseContender(const QString& value, bool walker) {
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    return contender(value.left(eq), value.mid(eq + 1), walker);
}

Settings parse(const QStringList& args) {
    Settings s;
    s.contenders.push_back(contender(QStringLiteral("ancient-velmora"),
                                     built::programDir() + QStringLiteral("/ancient-velmora")));
    s.contenders.push_back(
        contender(QStringLiteral("walk"), QCoreApplication::applicationFilePath(), true));
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--no-sound-server")) {
            --i; // a flag without a value
            continue;
        }
        if (args[i] == QLatin1String("--runs")) s.runs = std::max(1, args[i + 1].toInt());
        if (args[i] == QLatin1String("--walks")) s.walks = std::max(1, args[i + 1].toInt());
        if (args[i] == QLatin1String("--program"))
            s.contenders.push_back(parseContender(args[i + 1], false));
        if (args[i] == QLatin1String("--walker"))
            s.contenders.push_back(parseContender(args[i + 1], true));
    }
    s.soundServer = !args.contains(QLatin1String("--no-sound-server"));
    s.contenders.push_back(contender(QStringLiteral("bare Qt Widgets window"),
                                     built::program(u"startup_bare_window")));
    return s;
}

// One walk in a process of its own: "title MB peak MB" on its standard output.
bool walkOnce(Contender& c, const QProcessEnvironment& env) {
    QProcess child;
    child.setProcessEnvironment(env);
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(c.path, {QStringLiteral("--walk")});
    if (!child.waitForFinished(300000) || child.exitCode() != 0) return false;
    const QList<QByteArray> words = child.readAllStandardOutput().simplified().split(' ');
    if (words.size() != 4) return false;
    c.title.push_back(words[1].toDouble());
    c.peak.push_back(words[3].toDouble());
    return true;
}

bool measure(std::vector<Contender>& contenders, const Settings& s,
             const QProcessEnvironment& env) {
    for (int r = 0; r < std::max(s.runs, s.walks); ++r)
        for (Contender& c : contenders) {
            if (c.walker) {
                if (r < s.walks && !walkOnce(c, env)) return false;
                continue;
            }
            if (r >= s.runs) continue;
            // A runtime folder of its own, so that no start finds another to hand over to.
            QTemporaryDir runtime;
            QProcessEnvironment own = env;
            own.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            const MemoryReading m = settledMemory(c.path, {}, own, SettleMs);
            if (!m.ok) return false;
            c.title.push_back(m.residentMb);
            c.peak.push_back(m.peakMb);
        }
    return true;
}

void report(const std::vector<Contender>& contenders) {
    const double bare = median(contenders.back().title);
    std::printf("  %-34s %10s %8s %14s\n", "", "at title", "ratio", "peak");
    for (const Contender& c : contenders)
        std::printf("  %-34s %7.1f MB %7.2fx %8.1f MB %s\n",
                    qPrintable(c.walker ? c.label + QStringLiteral(" (in process)") : c.label),
                    median(c.title), median(c.title) / bare, median(c.peak),
                    c.walker ? "over the walk" : "until the title settled");
}

bool onScreen(Settings settings, QSize screen) {
    av::xvfb::Xvfb* owned = nullptr;
    const QString display = av::xvfb::displayOrXvfb(owned, screen);
    std::unique_ptr<av::xvfb::Xvfb> xvfb(owned);
    std::printf("Xvfb %s (%dx%d):\n", qPrintable(display), screen.width(), screen.height());
    if (display.isEmpty()) {
        std::printf("  skipped: no X display could be started\n");
        return true;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    if (!measure(settings.contenders, settings, env)) {
        std::printf("  a program failed to start or to walk\n");
        return false;
    }
    report(settings.contenders);
    return true;
}

int walk(int argc, char** argv) {
    av::tuneMalloc(); // as a start of the program does
    QApplication app(argc, argv);
    av::Program program(built::programDir());
    program.start();
    settle(SettleMs);
    const double title = ownStatusMb("VmRSS:");
    ScreenWalk screens(program);
    screens.stepFromTitle();
    screens.run();
    std::printf("title %.1f peak %.1f\n", title, ownStatusMb("VmHWM:"));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--walk") == 0) return walk(1, argv);
    QCoreApplication app(argc, argv);
    const Settings settings = parse(QCoreApplication::arguments());
    std::printf("Resident memory, median of %d runs at the title and %d walks\n", settings.runs,
                settings.walks);
#ifdef VELMORA_SOUND_SERVER
    // Points the walks' sound at it through PULSE_SERVER, which they inherit.
    std::unique_ptr<av::test::PulseCapture> server;
    if (settings.soundServer) server = std::make_unique<av::test::PulseCapture>();
    if (server && server->failure().isEmpty())
        std::printf("Sound: the walks open the card on a private PulseAudio server\n");
    else
        std::printf("Sound: no sound server%s%s; the card falls back to ALSA\n", server ? ": " : "",
                    server ? qPrintable(server->failure()) : "");
#else
    std::printf("Sound: no sound server (built without the tests); the card falls back to ALSA\n");
#endif
    bool ok = true;
    for (const QSize screen : {QSize(1280, 1024), QSize(3840, 2160)})
        ok = onScreen(settings, screen) && ok;
    return ok ? 0 : 1;
}
