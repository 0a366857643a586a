#include "Backdrop.h"

#include "Style.h"

#include "platform/NativeFill.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace av {

Backdrop::Backdrop(App& app) : Screen(app, QString::fromLatin1(Name), Border::None) {
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    // The window manager keeps it below every other window, whatever is clicked.
    setWindowFlag(Qt::WindowStaysOnBottomHint);
}

void Backdrop::mousePressEvent(QMouseEvent* event) {
    event->accept();
    app().windows.bringToFront();
}

void Backdrop::onLoad() {
    setBackColor(style::BackdropBlue);
    // Cover the work area, so the desktop does not show between the screens.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setLeft(toTwips(area.x()));
        setTop(toTwips(area.y()));
        setOuterSize(toTwips(area.width()), toTwips(area.height()));
    }
    // Painted by the program, a full-screen backdrop is a full-screen image to draw and send
    // before the title screen can show, and it grows with the screen; the window system fills
    // it for nothing. Qt then keeps no image of it at all.
    m_filledNatively = fillNatively(*this, backColor());
    if (m_filledNatively) {
        setAutoFillBackground(false);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_PaintOnScreen);
    }
}

QPaintEngine* Backdrop::paintEngine() const {
    return m_filledNatively ? nullptr : Screen::paintEngine();
}

void Backdrop::paintEvent(QPaintEvent* event) {
    if (!m_filledNatively) Screen::paintEvent(event);
}

} // namespace av
