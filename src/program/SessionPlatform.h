#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QStringList>

namespace av {

// The Qt platform the program asks for, or empty to leave Qt its own choice. On a Wayland
// session a program can neither place nor stack its own windows, so the screens go through
// XWayland there (Wayland itself only when there is no XWayland), unless the user chose a
// platform with QT_QPA_PLATFORM or -platform.
QByteArray sessionPlatform(const QProcessEnvironment& env, const QStringList& arguments);

// Must run before the QApplication exists.
void chooseSessionPlatform(int argc, char** argv);

} // namespace av
