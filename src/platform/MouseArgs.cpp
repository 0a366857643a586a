#include "MouseArgs.h"

#include "Twips.h"

namespace av {

int buttonSet(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

MouseArgs mouseArgs(const QMouseEvent& event) {
    MouseArgs args;
    args.button =
        event.type() == QEvent::MouseMove ? buttonSet(event.buttons()) : buttonSet(event.button());
    args.shift = shiftState(event.modifiers());
    args.x = toTwips(event.position().x());
    args.y = toTwips(event.position().y());
    return args;
}

} // namespace av
