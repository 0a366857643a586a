// Saves worksheets through the library as one of several programs sharing a worksheet folder:
// worksheet_saver FOLDER TAG COUNT. Exits 1 if any save failed.
#include "model/WorksheetLibrary.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) return 2;
    av::ProgramFolder folder(av::FolderPlan{args[1], args[1], {}, {}});
    av::WorksheetLibrary library(folder);
    int failures = 0;
    for (int i = 1; i <= args[3].toInt(); ++i) {
        av::QuestionSet set;
        const QString title = QStringLiteral("%1 sheet %2").arg(args[2]).arg(i);
        for (int n = 1; n <= av::QuestionSet::Size; ++n) {
            set.question(n).text = QStringLiteral("%1, question %2").arg(title).arg(n);
            for (int c = 1; c <= 4; ++c)
                set.question(n).choice(c) = QString::number(c);
            set.question(n).correct = QStringLiteral("1");
        }
        const auto outcome = library.save(title, set, av::WorksheetLibrary::Replace::Ask);
        if (!outcome.ok()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(outcome.message));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
