// A school's year of pupils' results (about 25,000 in about 2,000 files): the teacher's window
// from its command to its first frame on a private Xvfb, and an export, each beside reading the
// same files with nothing else; and what keeping one result costs.
//
//   results_bench [--rounds N] [--results N] [--files N]
#include "BenchDisplay.h"
#include "BuildFolders.h"
#include "FrameClock.h"
#include "Stats.h"

#include "model/RecordResult.h"
#include "model/ResultsCsv.h"
#include "model/ResultsExport.h"
#include "model/ResultsFolder.h"
#include "program/Program.h"
#include "results/PupilsResultsScreen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace av;
using namespace av::bench;

namespace {

struct Settings {
    int rounds = 10;
    int results = 25000;
    int files = 2000;
};

Settings parse(int argc, char** argv) {
    Settings s;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QByteArray key = argv[i], value = argv[i + 1];
        if (key == "--rounds") s.rounds = std::max(1, value.toInt());
        if (key == "--results") s.results = std::max(1, value.toInt());
        if (key == "--files") s.files = std::max(1, value.toInt());
    }
    return s;
}

// 30 pupils a class on 10 computers over 40 weeks: one file per computer, account and day.
void writeYear(const QString& worksheets, const Settings& s) {
    const QString folder = worksheets + QStringLiteral("/results");
    QDir().mkpath(folder);
    const QStringList activities{QStringLiteral("The Pyramids"),
                                 QStringLiteral("Words and Numbers"),
                                 QStringLiteral("The Pyramids: Labelling Activity"),
                                 QStringLiteral("Words and Numbers: Ordering Activity")};
    int written = 0;
    for (int f = 0; f < s.files; ++f) {
        const QDate day = QDate(2026, 1, 5).addDays(f / 10);
        const QString computer = QStringLiteral("class-pc%1").arg(f % 10);
        QByteArray bytes = resultsCsv::header() + "\r\n";
        const int here = (s.results - written) / (s.files - f);
        for (int i = 0; i < here; ++i, ++written) {
            PupilResult r;
            r.when = QDateTime(day, QTime(9, 0).addSecs(i * 300 + f % 60));
            r.computer = computer;
            r.account = QStringLiteral("class%1").arg(f % 4 + 3);
            r.pupil = QStringLiteral("Pupil %1").arg(written % 30 + 30 * (f % 4));
            r.activity = activities[written % activities.size()];
            r.outOf = 10;
            r.score = written % 11;
            for (int q = 1; q <= 10 - r.score; ++q)
                r.wrong << QString::number((q * 3 + written) % 10 + 1);
            bytes += resultsCsv::line(r);
        }
        QFile file(
            QDir(folder).filePath(ResultsFolder::fileName(computer, QStringLiteral("class"), day)));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
}

double msOf(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

void line(const char* what, const std::vector<double>& ms, const char* target = "") {
    std::printf("  %-44s %5zu %8.1f ms %8.1f ms %8.1f ms  %s\n", what, ms.size(), median(ms),
                percentile(ms, 0.95), percentile(ms, 1.0), target);
}

} // namespace

int main(int argc, char** argv) {
    const Settings s = parse(argc, argv);
    const BenchDisplay display = useXDisplay(QSize(1280, 1024));
    if (display.name.isEmpty()) {
        std::printf("skipped: no X display could be started\n");
        return 0;
    }
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString worksheets = dir.filePath(QStringLiteral("worksheets"));
    writeYear(worksheets, s);
    const ResultsFolder folder(worksheets);
    const int count = int(folder.read().results.size()); // also warms the page cache

    FolderPlan plan;
    plan.data = built::programDir();
    plan.worksheets = worksheets;
    Program program{ProgramFolder(plan)};
    program.app().state.keepResults = true;
    const QString name = QString::fromLatin1(PupilsResultsScreen::Name);
    FrameClock clock;

    std::vector<double> rawBytes, reading, opening, exporting, recording;
    for (int r = 0; r < s.rounds; ++r) {
        rawBytes.push_back(msOf([&] {
            for (const QFileInfo& info : QDir(folder.path()).entryInfoList(QDir::Files)) {
                QFile file(info.filePath());
                if (file.open(QIODevice::ReadOnly)) file.readAll();
            }
        }));
        reading.push_back(msOf([&] { folder.read(); }));
        opening.push_back(clock.time([&] { program.app().windows.show(name); }, name));
        program.app().windows.unload(name);
        settle(50);
        const QString out = dir.filePath(QStringLiteral("export.csv"));
        exporting.push_back(msOf([&] { exportResults(worksheets, out, nullptr); }));
        recording.push_back(msOf([&] {
            recordResult(dir.filePath(QStringLiteral("own")),
                         ScoredOutcome{QStringLiteral("The Pyramids"),
                                       QStringLiteral("The Pyramids"),
                                       7,
                                       10,
                                       {QStringLiteral("2"), QStringLiteral("5")}},
                         QStringLiteral("Amir"));
        }));
    }
    std::printf("Pupils' results: %d results in %d files, Xvfb %s, %d rounds\n", count, s.files,
                qPrintable(display.name), s.rounds);
    std::printf("  %-44s %5s %11s %11s %11s\n", "", "n", "median", "p95", "max");
    line("anchor: the files' bytes read, nothing else", rawBytes);
    line("anchor: the files read as results", reading);
    line("teacher's window, command to first frame", opening, "(target < 300 ms)");
    line("export to CSV", exporting, "(target < 500 ms)");
    line("one result kept (appended, flushed to disk)", recording, "(target < 5 ms)");
    return 0;
}
