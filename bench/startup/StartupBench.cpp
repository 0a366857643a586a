// Start-up time on a real display: each program is run as a whole process with
// --quit-after-first-frame and timed from exec to exit, beside a bare Qt Widgets window of the
// title screen's size that ends the same way. Runs are interleaved so that a busy moment of the
// machine falls on every program alike. A second table does the same on the offscreen platform.
//
//   startup_bench [--runs N] [--size WxH] [--program LABEL=PATH]...
//
// --program adds a build to compare (an older one, say); the Xvfb is private to the run unless
// VELMORA_BENCH_DISPLAY names a display to use.
#include "BuildFolders.h"
#include "ProcessTimer.h"
#include "Stats.h"
#include "Xvfb.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <memory>

using namespace av::bench;
using namespace av::xvfb;

namespace {

struct Contender {
    QString label;
    QString path;
    std::vector<double> ms;
    std::vector<double> peakMb;
};

struct Settings {
    int runs = 20;
    QSize screen{1280, 1024};
    std::vector<Contender> contenders;
};

bool runAll(std::vector<Contender>& contenders, int runs, const QStringList& env) {
    const QStringList quit{QStringLiteral("--quit-after-first-frame")};
    for (Contender& c : contenders) // one unrecorded run each warms the file cache
        if (!timeProcess(c.path, quit, env).ok) {
            std::fprintf(stderr, "%s did not start and end cleanly\n", qPrintable(c.path));
            return false;
        }
    for (int r = 0; r < runs; ++r)
        for (Contender& c : contenders) {
            const ProcessRun run = timeProcess(c.path, quit, env);
            if (!run.ok) {
                std::fprintf(stderr, "%s failed on run %d\n", qPrintable(c.path), r + 1);
                return false;
            }
            c.ms.push_back(run.ms);
            c.peakMb.push_back(run.peakMb);
        }
    return true;
}

void print(const char* heading, const std::vector<Contender>& contenders) {
    const double bare = median(contenders.back().ms);
    std::printf("%s\n", heading);
    std::printf("  %-28s %9s %9s %7s %13s\n", "", "median", "p95", "ratio", "peak memory");
    for (const Contender& c : contenders)
        std::printf("  %-28s %6.2f ms %6.2f ms %6.2fx %10.1f MB\n", qPrintable(c.label),
                    median(c.ms), percentile(c.ms, 0.95), median(c.ms) / bare, median(c.peakMb));
}

bool measure(Settings settings, const char* heading, const QStringList& changes) {
    if (!runAll(settings.contenders, settings.runs, environmentWith(changes))) return false;
    print(heading, settings.contenders);
    return true;
}

Settings parse(const QStringList& args) {
    Settings s;
    s.contenders.push_back({QStringLiteral("ancient-velmora"),
                            built::programDir() + QStringLiteral("/ancient-velmora"),
                            {},
                            {}});
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--runs")) s.runs = std::max(1, args[i + 1].toInt());
        if (args[i] == QLatin1String("--size")) {
            const QStringList wh = args[i + 1].split(QLatin1Char('x'));
            if (wh.size() == 2) s.screen = QSize(wh[0].toInt(), wh[1].toInt());
        }
        if (args[i] == QLatin1String("--program")) {
            const QString v = args[i + 1];
            const qsizetype eq = v.indexOf(QLatin1Char('='));
            s.contenders.push_back({v.left(eq), v.mid(eq + 1), {}, {}});
        }
    }
    s.contenders.push_back(
        {QStringLiteral("bare Qt Widgets window"), built::program(u"startup_bare_window"), {}, {}});
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Settings settings = parse(QCoreApplication::arguments());
    Xvfb* owned = nullptr;
    const QString display = displayOrXvfb(owned, settings.screen);
    std::unique_ptr<Xvfb> xvfb(owned);
    const QByteArray heading =
        QStringLiteral("Exec to exit after the first frame, %1 runs each, interleaved")
            .arg(settings.runs)
            .toLocal8Bit();
    std::printf("%s\n", heading.constData());
    bool ok = true;
    if (display.isEmpty()) {
        std::printf("xcb: skipped, no X display could be started\n");
    } else {
        const QByteArray xcb = QStringLiteral("xcb on Xvfb %1 (%2x%3):")
                                   .arg(display)
                                   .arg(settings.screen.width())
                                   .arg(settings.screen.height())
                                   .toLocal8Bit();
        ok = measure(settings, xcb.constData(),
                     {QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("DISPLAY=") + display});
    }
    ok = measure(settings, "offscreen:", {QStringLiteral("QT_QPA_PLATFORM=offscreen")}) && ok;
    return ok ? 0 : 1;
}
