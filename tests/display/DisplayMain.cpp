// The tests here run on a real X server: a private Xvfb started for this program, so that what
// the window system itself draws (the backdrop) is on the screen the tests look at.
#include "DisplayEnvironment.h"
#include "Xvfb.h"

#include "platform/Accessibility.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    std::unique_ptr<av::xvfb::Xvfb> xvfb;
    if (!qEnvironmentVariableIsSet("VELMORA_NO_XVFB")) {
        xvfb = std::make_unique<av::xvfb::Xvfb>(QSize(1280, 1024));
        av::test::display::setUnavailableReason(xvfb->isRunning() ? QString() : xvfb->error());
    }
    if (xvfb && xvfb->isRunning()) {
        qputenv("DISPLAY", xvfb->display().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    av::fonts::registerFaces();
    return RUN_ALL_TESTS();
}
