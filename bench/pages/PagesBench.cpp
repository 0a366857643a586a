#include "BuildFolders.h"
#include "PageLayout.h"
#include "wmf/Metafile.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

// Parsing and drawing each of the program's pages as the viewer does: the screen copy at its
// own size on screen (700 x 520 pixels). The target is under 5 ms a page.
namespace {

QByteArray readPage(const QString& folder, const QString& stem) {
    QFile file(built::programDir() + QStringLiteral("/") + folder + QLatin1Char('/') + stem +
               QStringLiteral(".wmf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void drawPage(benchmark::State& state, const QString& folder, const QString& stem) {
    const QByteArray bytes = readPage(folder, stem);
    if (bytes.isEmpty()) {
        state.SkipWithError("page not built");
        return;
    }
    const QSize screen(av::pages::ScreenWidth / 15, av::pages::ScreenHeight / 15);
    QImage target(screen, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const auto picture = av::wmf::decodePicture(bytes);
        QPainter p(&target);
        p.setRenderHint(QPainter::Antialiasing);
        picture->draw(p, QRectF(QPointF(0, 0), QSizeF(screen)));
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetLabel(folder.toStdString() + "/" + stem.toStdString());
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (const av::pages::PageSpec& spec : av::pages::pageCatalogue()) {
        for (const char* folder : {"wmf", "wmf2"}) {
            const QString f = QString::fromLatin1(folder), stem = spec.stem;
            benchmark::RegisterBenchmark(
                (std::string("Page/") + folder + "/" + stem.toStdString()).c_str(),
                [f, stem](benchmark::State& s) { drawPage(s, f, stem); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
