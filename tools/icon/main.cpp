#include "Icon.h"

#include <QGuiApplication>
#include <cstdio>

// Draws the desktop icon, scalable and at the sizes desktops look for.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-icon <output-folder> <application-id>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList problems = av::icon::writeIcons(
        QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), {48, 128, 256});
    for (const QString& problem : problems)
        std::fprintf(stderr, "velmora-icon: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
