#include "Launch.h"

#include "CommandLine.h"
#include "DisplayScale.h"
#include "FolderRules.h"
#include "GuardedApplication.h"
#include "MallocTuning.h"
#include "Program.h"
#include "SingleInstance.h"

#include "platform/Fonts.h"
#include "platform/ProgramTitle.h"
#include "platform/WorksheetFolderProblem.h"

#include <QIcon>
#include <cstdio>
#include <future>

namespace av {
namespace {

const QString AppId = QStringLiteral("org.marlowind.AncientVelmora");

void nameApplication() {
    QCoreApplication::setApplicationName(QString::fromLatin1(ProgramTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
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

} // namespace

int launch(int argc, char* argv[]) {
    // Help, version and mistakes end here, before a display is needed. Qt's own options
    // ("-platform offscreen") are known only once the GUI application has taken them out.
    nameApplication();
    const CommandLine early = parseCommandLine(argumentList(argc, argv));
    if (early.exitCode == 0 || (early.exitCode && !mayHoldQtOptions(argc, argv)))
        return finishCommandLine(early);
    tuneMalloc();
    // fontconfig reads its configuration while Qt connects to the display: the title's texts
    // need it, and a bare window never pays for it.
    std::future<void> fontsReady = std::async(std::launch::async, &fonts::loadSystemConfiguration);
    // Qt takes its scale only before the application exists.
    applyDisplayScale(argc, argv);
    GuardedApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(AppId);
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.exitCode) return finishCommandLine(line);

    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    SingleInstance instance(env.value(QStringLiteral("XDG_RUNTIME_DIR")));
    if (instance.handOver()) return 0;
    if (!instance.problem().isEmpty())
        std::fprintf(stderr, "Ancient Velmora: %s.\n", qPrintable(instance.problem()));
    Program program(workingFolders(QCoreApplication::applicationDirPath(), line.worksheets, env),
                    std::move(fontsReady));
    QObject::connect(&instance, &SingleInstance::activated, &instance,
                     [&program] { program.bringToFront(); });
    // The icon theme is searched once the title is up; the window takes the icon then.
    if (!line.quitAfterFirstFrame)
        program.afterFirstFrame([] { QApplication::setWindowIcon(QIcon::fromTheme(AppId)); });
    program.start(StartOptions{line.quitAfterFirstFrame});
    return QApplication::exec();
}

} // namespace av
