// Peak memory of the program shown up to its main menu, whose picture is a small JPEG, beside
// the same program whose picture file was replaced by a 24-megapixel photo: a JPEG (only the
// part shown decoded), and a PNG and a BMP (which Qt decodes only whole before cutting them to
// the part shown, so they are refused once their header shows the cost). Each run is a process of
// its own, started on a copy of the data tree, and reports its peak resident size. The photo runs
// fail when their peak reaches 100 MB.
#include "BuildFolders.h"
#include "program/Program.h"
#include "shell/TitleScreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

namespace {

double peakMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return -1;
}

// Starts the program in dir, presses OK on the title screen and paints the main menu.
int mainMenu(int argc, char** argv, const QString& dir) {
    QApplication app(argc, argv);
    av::Program program(dir);
    program.start();
    program.app().windows.get<av::TitleScreen>().onOkClicked();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->repaint();
    QCoreApplication::processEvents();
    printf("%.1f\n", peakMegabytes());
    return 0;
}

bool copyTree(const QString& from, const QString& to) {
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), from, to}) == 0;
}

struct Trees {
    QTemporaryDir dir;
    QString plain, photo, png, bmp;
};

Trees& trees() {
    static Trees t = [] {
        Trees made;
        made.plain = made.dir.path() + QStringLiteral("/plain");
        made.photo = made.dir.path() + QStringLiteral("/photo");
        copyTree(built::programDir(), made.plain);
        made.png = made.dir.path() + QStringLiteral("/png");
        copyTree(built::programDir(), made.photo);
        copyTree(built::programDir(), made.png);
        made.bmp = made.dir.path() + QStringLiteral("/bmp");
        copyTree(built::programDir(), made.bmp);
        QImage photo(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x)
                line[x] = qRgb(x / 24, y / 16, (x ^ y) & 0xFF);
        }
        photo.save(made.photo + QStringLiteral("/Images/memnonsm.jpg"), "JPEG", 90);
        // Under the same name: the program goes by what the file holds.
        photo.save(made.png + QStringLiteral("/Images/memnonsm.jpg"), "PNG", 10);
        photo.save(made.bmp + QStringLiteral("/Images/memnonsm.jpg"), "BMP");
        return made;
    }();
    return t;
}

void run(benchmark::State& state, const QString& tree, double limit) {
    double peak = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--menu"), tree});
        child.waitForFinished(60000);
        peak = std::max(peak, child.readAllStandardOutput().trimmed().toDouble());
        if (child.exitCode() != 0 || peak <= 0) return state.SkipWithError("the program failed");
    }
    state.counters["peak_MB"] = peak;
    static std::string over;
    over = "peak memory " + std::to_string(peak) + " MB, over the limit";
    if (limit > 0 && peak >= limit) state.SkipWithError(over.c_str());
}

void MainMenuWithItsOwnPicture(benchmark::State& state) {
    run(state, trees().plain, 0);
}
void MainMenuWithA24MegapixelPhoto(benchmark::State& state) {
    run(state, trees().photo, 100);
}

void MainMenuWithA24MegapixelPng(benchmark::State& state) {
    run(state, trees().png, 100);
}

void MainMenuWithA24MegapixelBmp(benchmark::State& state) {
    run(state, trees().bmp, 100);
}

BENCHMARK(MainMenuWithItsOwnPicture)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(MainMenuWithA24MegapixelPhoto)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(MainMenuWithA24MegapixelPng)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(MainMenuWithA24MegapixelBmp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2 && std::strcmp(argv[1], "--menu") == 0)
        return mainMenu(1, argv, QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
