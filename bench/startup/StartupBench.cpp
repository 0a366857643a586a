// Time from creating the application to its title screen shown and painted, beside a bare Qt
// window of the same size shown and painted the same way. Each start runs in a process of its
// own, so the application's creation, the fonts and the picture files are all in the figure.
#include "program/Program.h"
#include "shell/Titlefrm.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

int titleScreen(int argc, char** argv) {
    QApplication app(argc, argv);
    av::Program program(QStringLiteral(VELMORA_PROGRAM_DIR));
    program.start();
    auto& title = program.app().windows.get<av::Titlefrm>();
    title.repaint();
    QCoreApplication::processEvents();
    return title.isVisible() ? 0 : 1;
}

int bareWindow(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(388, 464);
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    return window.isVisible() ? 0 : 1;
}

std::string g_self;

void startChild(benchmark::State& state, const char* which) {
    for (auto _ : state) {
        char* args[] = {g_self.data(), const_cast<char*>(which), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, g_self.c_str(), nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("could not start the child");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child failed");
            return;
        }
    }
}

void TitleScreenFromStart(benchmark::State& state) { startChild(state, "--title"); }
void BareWindowFromStart(benchmark::State& state) { startChild(state, "--bare"); }

BENCHMARK(TitleScreenFromStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BareWindowFromStart)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], "--title") == 0) return titleScreen(1, argv);
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return bareWindow(1, argv);
    g_self = "/proc/self/exe";
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n > 0) g_self.assign(path, static_cast<size_t>(n));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
