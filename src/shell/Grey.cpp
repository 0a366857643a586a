#include "Grey.h"

#include <QGuiApplication>
#include <QScreen>

namespace av {

Grey::Grey(App& app) : Screen(app, QString::fromLatin1(Name), Border::None) {
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
}

void Grey::Form_Load() {
    setBackColor(QColor(48, 133, 214));
    // Cover the work area, so the desktop does not show between the screens.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        setLeft(toTwips(area.x()));
        setTop(toTwips(area.y()));
        setOuterSize(toTwips(area.width()), toTwips(area.height()));
    }
}

} // namespace av
