#include "program/GuardedApplication.h"
#include "program/Program.h"

int main(int argc, char* argv[]) {
    av::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ancient Velmora"));
    av::Program program(QCoreApplication::applicationDirPath());
    program.start();
    return QApplication::exec();
}
