#include "Launch.h"

#include "CommandLine.h"
#include "DisplayScale.h"
#include "FolderRules.h"
#include "GuardedApplication.h"
#include "Program.h"
#include "SingleInstance.h"

#include <QIcon>

namespace av {
namespace {

const QString AppId = QStringLiteral("org.marlowind.AncientVelmora");

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Ancient Velmora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
}

} // namespace

int launch(int argc, char* argv[]) {
    {
        // Help, version and mistakes end here, before a display is needed. Qt's own options
        // ("-platform offscreen") are known only once the GUI application has taken them out.
        QCoreApplication core(argc, argv);
        nameApplication();
        const CommandLine early = parseCommandLine(QCoreApplication::arguments());
        if (early.exitCode == 0 || (early.exitCode && !mayHoldQtOptions(argc, argv)))
            return finishCommandLine(early);
    }
    // Qt takes its scale only before the application exists.
    applyDisplayScale(argc, argv);
    GuardedApplication application(argc, argv);
    nameApplication();
    QGuiApplication::setDesktopFileName(AppId);
    QGuiApplication::setWindowIcon(QIcon::fromTheme(AppId));
    const CommandLine line = parseCommandLine(QCoreApplication::arguments());
    if (line.exitCode) return finishCommandLine(line);

    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    SingleInstance instance(env.value(QStringLiteral("XDG_RUNTIME_DIR")));
    if (instance.handOver()) return 0;
    Program program(
        ProgramFolder(planFolders(QCoreApplication::applicationDirPath(), line.worksheets, env)));
    QObject::connect(&instance, &SingleInstance::activated, &instance,
                     [&program] { program.bringToFront(); });
    program.start(StartOptions{line.quitAfterFirstFrame});
    return QApplication::exec();
}

} // namespace av
