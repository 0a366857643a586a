#include "Launch.h"

#include "CommandLine.h"
#include "DisplayScale.h"
#include "FolderRules.h"
#include "GuardedApplication.h"
#include "MallocTuning.h"
#include "Program.h"
#include "ResultsSetting.h"
#include "SessionPlatform.h"
#include "SingleInstance.h"

#include "platform/Fonts.h"
#include "platform/ProgramTitle.h"
#include "platform/WorksheetFolderProblem.h"

#include "model/ResultsExport.h"

#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <future>

namespace av {
namespace {

const QString AppId = QStringLiteral("org.marlowind.AncientVelmora");

void nameApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(ProgramTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

// The program's icon: the desktop's icon theme's where the program is installed, else the one
// drawn into the build beside the program, or installed into any data folder of the desktop.
QIcon programIcon() {
    QIcon drawn;
    const QString dir = QCoreApplication::applicationDirPath();
    for (int size : {48, 128, 256}) {
        const QString file = QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(AppId);
        QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, file);
        if (found.isEmpty() && QFile::exists(dir + QStringLiteral("/tools/icon/") + file.mid(6)))
            found = dir + QStringLiteral("/tools/icon/") + file.mid(6);
        if (!found.isEmpty()) drawn.addFile(found, QSize(size, size));
    }
    return QIcon::fromTheme(AppId, drawn);
}

QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The folders the program works in; what keeps a school's folder from being used is said at
// once, as the teacher's save says it again.
ProgramFolder workingFolders(const QString& programDir, const QString& worksheets,
                             const QProcessEnvironment& env) {
    const FolderChoice choice = chooseFolders(programDir, worksheets, env);
    ProgramFolder folder = programFolder(choice);
    QStringList warnings = choice.warnings;
    const QString problem = worksheetFolderProblem(folder);
    if (!problem.isEmpty()) warnings.append(QStringLiteral("Ancient Velmora: ") + problem);
    for (const QString& warning : warnings)
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    return folder;
}

// "--export-results FILE": the CSV for the worksheet folder in use, with no window or display.
int exportFromCommandLine(const CommandLine& line) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const FolderChoice choice =
        chooseFolders(QCoreApplication::applicationDirPath(), line.worksheets, env);
    for (const QString& warning : choice.warnings)
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    QString error;
    if (exportResults(choice.plan.worksheets, line.exportResults, &error)) return 0;
    std::fprintf(stderr, "ancient-velmora: %s\n", qPrintable(error));
    return 1;
}

} // namespace

int launch(int argc, char* argv[]) {
    // Help, version and mistakes end here, before a display is needed. Qt's own options
    // ("-platform offscreen") are known only once the GUI application has taken them out.
    nameApplication();
    const CommandLine early = parseCommandLine(argumentList(argc, argv));
    if (early.exitCode == 0 || (early.exitCode && !mayHoldQtOptions(argc, argv)))
        return finishCommandLine(early);
    if (!early.exitCode && !early.exportResults.isEmpty()) {
        const QCoreApplication application(argc, argv);
        return exportFromCommandLine(early);
    }
    tuneMalloc();
    // fontconfig reads its configuration while Qt connects to the display: the title's texts
    // need it, and a bare window never pays for it.
    std::future<void> fontsReady = std::async(std::launch::async, &fonts::loadSystemConfiguration);
    // Qt takes its platform and its scale only before the application exists.
    chooseSessionPlatform(argc, argv);
    const double scale = applyDisplayScale(argc, argv);
    const QStringList arguments = argumentList(argc, argv); // Qt takes its own options out
    GuardedApplication application(argc, argv);
    fitScaleToDisplay(scale, arguments);
    QGuiApplication::setDesktopFileName(AppId);
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.exitCode) return finishCommandLine(line);
    if (!line.exportResults.isEmpty()) return exportFromCommandLine(line);

    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    SingleInstance instance(env.value(QStringLiteral("XDG_RUNTIME_DIR")));
    if (instance.handOver()) return 0;
    if (!instance.problem().isEmpty())
        std::fprintf(stderr, "Ancient Velmora: %s.\n", qPrintable(instance.problem()));
    Program program(workingFolders(QCoreApplication::applicationDirPath(), line.worksheets, env),
                    std::move(fontsReady));
    const ResultsChoice results = chooseResults(line.results, settingsFilePath(), env);
    for (const QString& warning : results.warnings)
        std::fprintf(stderr, "%s\n", qPrintable(warning));
    program.app().state.keepResults = results.keep;
    QObject::connect(&instance, &SingleInstance::activated, &instance,
                     [&program] { program.bringToFront(); });
    // The icon theme is searched once the title is up; the window takes the icon then.
    if (!line.quitAfterFirstFrame)
        program.afterFirstFrame([] { QApplication::setWindowIcon(programIcon()); });
    program.start(StartOptions{line.quitAfterFirstFrame});
    return QApplication::exec();
}

} // namespace av
