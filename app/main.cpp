#include "program/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ancient Velmora"));
    av::Program program(QCoreApplication::applicationDirPath());
    program.start();
    return QApplication::exec();
}
