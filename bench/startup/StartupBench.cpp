// Time from building the program to its title screen shown and painted, beside a bare Qt
// window of the same size shown and painted the same way.
#include "program/Program.h"
#include "shell/Titlefrm.h"

#include <QApplication>
#include <QEvent>
#include <benchmark/benchmark.h>

namespace {

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TitleScreenShownAndPainted(benchmark::State& state) {
    for (auto _ : state) {
        av::Program program(QStringLiteral(VELMORA_PROGRAM_DIR));
        program.start();
        auto& title = program.app().windows.get<av::Titlefrm>();
        title.repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(title.isVisible());
        state.PauseTiming();
        program.app().windows.closeAll();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(TitleScreenShownAndPainted)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BareWindowShownAndPainted(benchmark::State& state) {
    for (auto _ : state) {
        auto* window = new QWidget;
        window->resize(380, 438);
        window->show();
        window->repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        delete window;
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BareWindowShownAndPainted)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
