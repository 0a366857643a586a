// Records results as one computer would: recorder FOLDER COMPUTER COUNT.
#include "model/ResultsFolder.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) return 2;
    const av::ResultsFolder folder(args[1]);
    const int count = args[3].toInt();
    for (int i = 0; i < count; ++i) {
        av::PupilResult result;
        result.when = QDateTime(QDate(2026, 12, 8), QTime(10, 0).addSecs(i));
        result.computer = args[2];
        result.account = QStringLiteral("pupil");
        result.pupil = QStringLiteral("Pupil %1").arg(i);
        result.activity = QStringLiteral("The Pyramids");
        result.score = i % 11;
        result.outOf = 10;
        QString error;
        if (!folder.record(result, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
