// The drag and drop steps of the busiest activity windows, and whole drags through the window
// system with every move painted, on the offscreen platform.
#include "activities/ActivityDescriptions.h"
#include "activities/ActivityWindow.h"
#include "activities/ActivityWindows.h"
#include "platform/ProgramFolder.h"
#include "platform/QtPrinter.h"
#include "platform/QtServices.h"
#include "shell/Glossary.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace av;
namespace win = av::glossary::window;

class SilentSound : public SoundService {
  public:
    void play(const QString&) override {}
};

// Busy pictures of each layout's own size, so painting costs what a photograph would.
class DrawnPictures : public PictureService {
  public:
    PicturePtr load(const QString& path) override {
        QSize size(100, 100);
        for (const ActivityDescription* d : allActivities())
            for (const ActivityPicture& p : d->pictures)
                if (p.file == path) size = QSize(toPixels(p.place.width), toPixels(p.place.height));
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb((x * 7 + y) % 256, (x ^ y) % 256, (y * 3) % 256));
        return std::make_shared<RasterPicture>(image);
    }
};

struct Rig {
    Rig() : folder(dir.path()), printer(dir.filePath(QStringLiteral("unused.pdf"))) {
        app = std::make_unique<App>(
            Services{folder, messages, sound, pictures, random, display, printer});
        registerActivityWindows(*app);
        app->state.soundOn = 1;
    }
    ~Rig() {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ActivityWindow& open(const char* name) {
        auto& w = dynamic_cast<ActivityWindow&>(app->windows.touch(QString::fromLatin1(name)));
        w.showWindow();
        w.repaint();
        QCoreApplication::processEvents();
        return w;
    }

    QTemporaryDir dir;
    ProgramFolder folder;
    QtMessageBoxService messages;
    SilentSound sound;
    DrawnPictures pictures;
    ClockRandomService random;
    QtDisplayService display;
    QtPrinter printer; // activities never print
    std::unique_ptr<App> app;
};

// One pointer move's handler: the label's centre jumps to the pointer.
void DragStep(benchmark::State& state) {
    Rig rig;
    ActivityWindow& w = rig.open(win::PyramidsOrdering);
    float dx = 600;
    for (auto _ : state) {
        w.onLabelDragged(0, MouseArgs{1, 0, w.draggableLabels()[0].Width() / 2 + dx, 400});
        dx = -dx;
    }
    benchmark::DoNotOptimize(w.draggableLabels()[0].Left());
}
BENCHMARK(DragStep)->Unit(benchmark::kMicrosecond);

// One release: every capture test, a snap and its sound, and the count of placed pairs.
void DropStep(benchmark::State& state) {
    Rig rig;
    ActivityWindow& w = rig.open(win::PyramidsOrdering);
    for (auto _ : state) {
        w.moveLabel(0, 7700, 1850);
        w.onLabelDropped(0, MouseArgs{1, 0, 0, 0});
    }
    benchmark::DoNotOptimize(w.draggableLabels()[0].Top());
}
BENCHMARK(DropStep)->Unit(benchmark::kMicrosecond);

// 1000 pointer moves through the window system with a label held; each move is painted
// before the next (QTest processes the events, which flushes the pending paint).
void Drag1000Moves(benchmark::State& state, const char* name) {
    Rig rig;
    ActivityWindow& w = rig.open(name);
    QWindow* window = w.windowHandle();
    Label& label = w.draggableLabels()[1];
    int paints = 0;
    struct Counter : QObject {
        int* paints;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*paints;
            return false;
        }
    } counter;
    counter.paints = &paints;
    for (auto _ : state) {
        state.PauseTiming();
        w.onLinkClicked(ActivityLink::StartAgain);
        QCoreApplication::processEvents();
        QTest::mousePress(window, Qt::LeftButton, {}, label.geometry().center());
        qApp->installEventFilter(&counter);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            // A zigzag across most of the window, over pictures, boxes and lines.
            const int x = 60 + (i * 7) % 680;
            const int y = 40 + (i * 3) % 500;
            QTest::mouseMove(window, QPoint(x, y));
        }
        state.PauseTiming();
        qApp->removeEventFilter(&counter);
        QTest::mouseRelease(window, Qt::LeftButton, {}, label.geometry().center());
        state.ResumeTiming();
    }
    state.counters["move"] =
        benchmark::Counter(double(state.iterations()) * 1000,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["paints_per_move"] = double(paints) / (double(state.iterations()) * 1000);
}
BENCHMARK_CAPTURE(Drag1000Moves, pyramidsord, win::PyramidsOrdering)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Drag1000Moves, pyramidslab, win::PyramidsLabelling)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(Drag1000Moves, wordslab, win::WordsLabelling)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The offscreen platform cannot raise windows and says so each time; that is no fault.
QtMessageHandler g_previous = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("does not support raise()")))
        g_previous(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previous = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    fonts::registerFaces();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
