// Every screen from its command to its first frame, page turns and repaints of pages already
// drawn, and the program's memory at the title and at its peak over the walk; on a private
// Xvfb screen (1280 x 1024 unless --size says otherwise), the program running in this process.
//
//   screens_bench [--rounds N] [--size WxH]
#include "BenchDisplay.h"
#include "BuildFolders.h"
#include "ScreenWalk.h"
#include "Stats.h"

#include "program/MallocTuning.h"
#include "program/Program.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <memory>

using namespace av::bench;
namespace win = av::glossary::window;

namespace {

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double statusMb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field) + 1).trimmed().split(' ')[0].toDouble() / 1024.0;
    return 0;
}

struct Settings {
    int rounds = 3;
    QSize screen{1280, 1024};
};

Settings parse(int argc, char** argv) {
    Settings s;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray key = argv[i], value = argv[i + 1];
        if (key == "--rounds") s.rounds = std::max(1, value.toInt());
        if (key == "--size") {
            const QList<QByteArray> wh = value.split('x');
            if (wh.size() == 2) s.screen = QSize(wh[0].toInt(), wh[1].toInt());
        }
    }
    return s;
}

const char* kindName(ScreenWalk::Kind kind) {
    switch (kind) {
    case ScreenWalk::Kind::ScreenOpen:
        return "screen open";
    case ScreenWalk::Kind::PageTurn:
        return "page turn";
    case ScreenWalk::Kind::SeenRepaint:
        return "repaint";
    default:
        return "";
    }
}

void report(const ScreenWalk& walk) {
    std::printf("  %-28s %-12s %5s %9s %9s %9s\n", "command to first frame", "", "n", "median",
                "p95", "max");
    std::map<ScreenWalk::Kind, std::vector<double>> byKind;
    for (const auto& [label, samples] : walk.samples()) {
        std::printf("  %-28s %-12s %5zu %6.2f ms %6.2f ms %6.2f ms\n", qPrintable(label),
                    kindName(samples.kind), samples.ms.size(), median(samples.ms),
                    percentile(samples.ms, 0.95), percentile(samples.ms, 1.0));
        auto& all = byKind[samples.kind];
        all.insert(all.end(), samples.ms.begin(), samples.ms.end());
    }
    for (const auto& [kind, ms] : byKind)
        std::printf("  all of kind %-16s %-12s %5zu %6.2f ms %6.2f ms %6.2f ms\n", "",
                    kindName(kind), ms.size(), median(ms), percentile(ms, 0.95),
                    percentile(ms, 1.0));
    if (walk.missedFrames() > 0)
        std::printf("  commands with no frame within 2 s: %d\n", walk.missedFrames());
}

} // namespace

int main(int argc, char** argv) {
    const Settings settings = parse(argc, argv);
    const av::bench::BenchDisplay display = av::bench::useXDisplay(settings.screen);
    if (display.name.isEmpty()) {
        std::printf("skipped: no X display could be started\n");
        return 0;
    }
    av::tuneMalloc(); // as a start of the program does
    QApplication app(argc, argv);
    av::Program program(built::programDir());
    FrameClock clock;
    const double title = clock.time([&] { program.start(); }, QString::fromLatin1(win::Title));
    settle(100);
    const double atTitle = statusMb("VmRSS:");
    ScreenWalk walk(program);
    settle(40);
    walk.stepFromTitle();
    for (int r = 0; r < settings.rounds; ++r)
        walk.run();
    std::printf("Screens on Xvfb %s (%dx%d), %d rounds:\n", qPrintable(display.name),
                settings.screen.width(), settings.screen.height(), settings.rounds);
    std::printf("  title screen, start() to first frame: %.2f ms\n", title);
    report(walk);
    std::printf("  memory: %.1f MB resident at the title, %.1f MB peak over the walk\n", atTitle,
                statusMb("VmHWM:"));
    return walk.missedFrames() == 0 ? 0 : 1;
}
