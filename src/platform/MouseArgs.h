#pragma once

#include <QMouseEvent>

namespace av {

// Pointer arguments as the handlers take them: button set (1 left, 2 right, 4 middle), shift
// state (1 shift, 2 ctrl, 4 alt), and the position in twips relative to the widget.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

int buttonSet(Qt::MouseButtons buttons);
int shiftState(Qt::KeyboardModifiers modifiers);
// For a move the held buttons count; for a press or release, the button that changed.
MouseArgs mouseArgs(const QMouseEvent& event);

} // namespace av
