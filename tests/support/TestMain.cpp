#include "platform/Accessibility.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
QtMessageHandler g_previous = nullptr;

// The offscreen platform cannot raise windows and says so each time; that is no fault.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()"))) return;
    g_previous(type, context, message);
}
} // namespace

// Every test program runs inside a QApplication on the offscreen platform.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_previous = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    av::fonts::registerFaces();
    av::installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
