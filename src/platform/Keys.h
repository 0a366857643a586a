#pragma once

#include <QKeyEvent>

namespace av {

// The answer a key names: 1 to 4 for the keys 1 to 4 and A to D, 0 for any other key or a key
// held with Ctrl or Alt.
inline int choiceKey(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_4) return key - Qt::Key_1 + 1;
    if (key >= Qt::Key_A && key <= Qt::Key_D) return key - Qt::Key_A + 1;
    return 0;
}

} // namespace av
