// Saves worksheets through the real wizard into a given folder, as one of several programs
// sharing it: register_saver <folder> <tag> <count>. Exits 1 if any save failed.
#include "TestApp.h"

#include "worksheets/WorksheetWindows.h"
#include "worksheets/WorksheetWizard.h"

#include <QApplication>
#include <cstdio>

using namespace av;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: register_saver <folder> <tag> <count>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString tag = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    test::TestApp t{ProgramFolder(FolderPlan{folder, folder, {}, {}})};
    registerWorksheetWindows(t.app());
    WorksheetWizard& wizard = t.windows().get<WorksheetWizard>();
    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        const QString title = QStringLiteral("%1 sheet %2").arg(tag).arg(i);
        wizard.titleBox().setText(title);
        for (int q = 0; q < WorksheetWizard::Questions; ++q) {
            wizard.questionBox(q).setText(QStringLiteral("%1, question %2").arg(title).arg(q + 1));
            for (int c = 0; c < WorksheetWizard::Choices; ++c) {
                wizard.choiceBox(q, c).setText(QString::number(c + 1));
                wizard.correctTick(q, c).setChecked(c == 0);
            }
        }
        wizard.onLinkClicked(WorksheetWizard::WizardLink::SaveWorksheet);
        if (t.messages.texts().last() != QStringLiteral("Your worksheet has been saved.")) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(title),
                         qPrintable(t.messages.texts().last()));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
