#include "PagesBuilder.h"

#include <QGuiApplication>
#include <cstdio>

// Writes the metafile pages and the publisher's logo that the program loads from its folder.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmora-pages <content/pages folder> <program folder>\n");
        return 2;
    }
    // Laying out text needs font metrics, which need a GUI application; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList problems =
        av::pages::writePages(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    for (const QString& problem : problems)
        std::fprintf(stderr, "velmora-pages: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
