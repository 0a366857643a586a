#include "DataTree.h"

#include <QGuiApplication>
#include <cstdio>

// Writes the pictures and sounds that the program loads from its own folder.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-datatree <output-folder>\n");
        return 2;
    }
    // Text in the pictures needs fonts, which need a GUI application; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList problems = av::datatree::writeDataTree(QString::fromLocal8Bit(argv[1]));
    for (const QString& problem : problems)
        std::fprintf(stderr, "velmora-datatree: %s\n", qPrintable(problem));
    return problems.isEmpty() ? 0 : 1;
}
