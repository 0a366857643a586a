// How the UI thread answers while the slowest kind of page (self-crossing polygons, generated)
// is put on show, on a private Xvfb: the longest wait between the ticks of a 1 ms timer, from
// the page given to its box to the page shown. The anchor draws the page in the box's paint,
// on the UI thread; the program draws it on the worker. Interleaved, rounds of each.
//
//   responsive_bench [--rounds N]
#include "BenchDisplay.h"
#include "SlowPages.h"
#include "Stats.h"

#include "platform/DrawnCopies.h"
#include "platform/KeptPicture.h"
#include "platform/PictureBox.h"
#include "wmf/Metafile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <memory>

using av::bench::median;

namespace {

struct Round {
    double longestGapMs = 0;
    double shownAfterMs = 0;
};

// Puts the page in the box and runs events until a paint has shown it whole.
Round show(av::PictureBox& box, av::PicturePtr page) {
    QElapsedTimer clock;
    clock.start();
    double last = 0, longest = 0;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const double now = double(clock.nsecsElapsed()) / 1e6;
        longest = std::max(longest, now - last);
        last = now;
    });
    ticker.start();
    box.setPicture(std::move(page));
    while (!box.pictureShown() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double shown = double(clock.nsecsElapsed()) / 1e6;
    longest = std::max(longest, shown - last);
    return {longest, shown};
}

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    for (int i = 1; i + 1 < argc; i += 2)
        if (QByteArray(argv[i]) == "--rounds")
            rounds = std::max(1, QByteArray(argv[i + 1]).toInt());
    const av::bench::BenchDisplay display = av::bench::useXDisplay(QSize(1280, 1024));
    if (display.name.isEmpty()) {
        std::printf("skipped: no X display could be started\n");
        return 0;
    }
    QApplication app(argc, argv);
    const QByteArray bytes = av::wmf::test::crossedPolygonPage(50, 2000);
    QWidget window;
    window.resize(800, 600);
    auto* box = new av::Image(&window);
    window.show();
    settle(200);

    std::vector<double> anchorGap, anchorShown, workerGap, workerShown;
    for (int r = 0; r < rounds; ++r) {
        // A fresh picture each round, so neither side repaints from a copy.
        const Round onUi = show(*box, av::wmf::Metafile::load(bytes));
        box->setPicture(nullptr);
        settle(100);
        auto copies = std::make_shared<av::DrawnCopies>(6 * 1024 * 1024);
        const Round onWorker =
            show(*box, std::make_shared<av::KeptPicture>(av::wmf::Metafile::load(bytes),
                                                         QStringLiteral("slow"), copies));
        box->setPicture(nullptr);
        settle(100);
        anchorGap.push_back(onUi.longestGapMs);
        anchorShown.push_back(onUi.shownAfterMs);
        workerGap.push_back(onWorker.longestGapMs);
        workerShown.push_back(onWorker.shownAfterMs);
    }
    std::printf("A slow page (50 crossed polygons of 2000 points, %lld KB) put on show, Xvfb %s, "
                "%d rounds each, medians:\n",
                static_cast<long long>(bytes.size() / 1024), qPrintable(display.name), rounds);
    std::printf("  %-34s %12s %12s\n", "", "longest gap", "page shown");
    std::printf("  %-34s %9.1f ms %9.1f ms\n", "drawn in the paint (UI thread)", median(anchorGap),
                median(anchorShown));
    std::printf("  %-34s %9.1f ms %9.1f ms\n", "drawn on the worker (the program)",
                median(workerGap), median(workerShown));
    return 0;
}
