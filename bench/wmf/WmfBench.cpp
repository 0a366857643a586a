// Parsing and drawing the largest corpus metafiles at screen size (96 dpi).
#include "BuildFolders.h"
#include "SlowPages.h"
#include "wmf/Metafile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

const char* const kFiles[] = {"tika-testWMF.wmf", "libuemf-test_libuemf_ref.wmf",
                              "poi-60677.wmf",    "libwmf-cell.wmf",
                              "poi-santa.wmf",    "poi-64716_image3.wmf"};

QByteArray corpusFile(int index) {
    QFile file(built::sharedDir() + QStringLiteral("/wmf-corpus/") + QLatin1String(kFiles[index]));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSize screenSize(const av::Picture& picture) {
    QSizeF pixels = picture.sizeTwips() / 15.0;
    pixels.scale(pixels.boundedTo(QSizeF(1024, 768)), Qt::KeepAspectRatio);
    return pixels.toSize().expandedTo(QSize(1, 1));
}

void parse(benchmark::State& state) {
    const QByteArray bytes = corpusFile(static_cast<int>(state.range(0)));
    if (bytes.isEmpty()) return state.SkipWithError("corpus missing");
    for (auto _ : state)
        benchmark::DoNotOptimize(av::wmf::Metafile::load(bytes));
    state.SetLabel(kFiles[state.range(0)]);
}

void parseAndDraw(benchmark::State& state) {
    const QByteArray bytes = corpusFile(static_cast<int>(state.range(0)));
    const auto first = av::wmf::Metafile::load(bytes);
    if (!first) return state.SkipWithError("corpus missing");
    QImage image(screenSize(*first), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto picture = av::wmf::Metafile::load(bytes);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture->draw(painter, QRectF(QPointF(0, 0), image.size()));
    }
    state.SetLabel(QStringLiteral("%1 at %2x%3")
                       .arg(QLatin1String(kFiles[state.range(0)]))
                       .arg(image.width())
                       .arg(image.height())
                       .toStdString());
}

// Pages of self-crossing polygons (50 of them make 400 KB, 125 about 1 MB, 500 4 MB) at the size
// the page viewer shows them, beside a plain page of the same number of rectangles as the
// anchor. Any page over a second fails the run: the page would freeze the program that long.
void crossedPolygons(benchmark::State& state) {
    const int polygons = static_cast<int>(state.range(0));
    const bool plain = state.range(1) != 0;
    const QByteArray bytes = av::wmf::test::crossedPolygonPage(polygons, plain ? 4 : 2000);
    QImage image(733, 500, QImage::Format_ARGB32_Premultiplied);
    double slowest = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        const auto picture = av::wmf::Metafile::load(bytes);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture->draw(painter, QRectF(QPointF(0, 0), image.size()));
        painter.end();
        slowest = std::max(slowest, clock.nsecsElapsed() / 1e9);
    }
    state.counters["slowest_s"] = slowest;
    state.SetLabel(QStringLiteral("%1 %2 polygons, %3 KB")
                       .arg(plain ? QStringLiteral("plain") : QStringLiteral("crossed"))
                       .arg(polygons)
                       .arg(bytes.size() / 1024)
                       .toStdString());
    if (slowest > 1.0) state.SkipWithError("a page took over a second to draw");
}

BENCHMARK(parse)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(crossedPolygons)
    ->ArgsProduct({{50, 125, 500}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(parseAndDraw)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
