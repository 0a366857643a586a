#pragma once

#include "Xvfb.h"

#include <QSize>
#include <QString>
#include <memory>

namespace av::bench {

// The X display a benchmark draws on, set for Qt's xcb platform before the application is made;
// a private Xvfb, when one was started, runs as long as this lives.
struct BenchDisplay {
    std::unique_ptr<xvfb::Xvfb> server;
    QString name; // empty when there is no display
};

inline BenchDisplay useXDisplay(QSize screen) {
    xvfb::Xvfb* owned = nullptr;
    BenchDisplay display;
    display.name = xvfb::displayOrXvfb(owned, screen);
    display.server.reset(owned);
    if (!display.name.isEmpty()) {
        qputenv("DISPLAY", display.name.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    return display;
}

} // namespace av::bench
