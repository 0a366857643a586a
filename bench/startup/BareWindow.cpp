// The anchor for start-up timing and memory: a plain Qt Widgets window of the title screen's
// size that links nothing but Qt Widgets and, given --quit-after-first-frame, ends after its
// first frame the way the program does.
#include "program/FirstFrame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(388, 464);
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-after-first-frame"))) {
        auto* frame = new av::FirstFrame(window);
        QObject::connect(frame, &av::FirstFrame::presented, &app,
                         [] { QCoreApplication::exit(0); });
    }
    window.show();
    return QApplication::exec();
}
