#pragma once

#include <QColor>
#include <QWidget>

namespace av {

// Has the window system itself fill a window with one colour, so the program keeps no image of
// it and sends none: a full-screen window then costs the same on any screen. False where the
// window system cannot (not X11); the window must then be painted as any other.
bool fillNatively(QWidget& window, const QColor& colour);

} // namespace av
