#pragma once

#include "Style.h"

#include "platform/Group.h"
#include "platform/Label.h"
#include "platform/Window.h"

#include <QColor>
#include <utility>

namespace av {

// A command label: yellow Tahoma bold on a dark box with a thin border, centred, opaque.
Label& addLink(Window& window, Group<Label>& group, const QString& name, int index, float left,
               float top, float width, float height, const QString& caption, double points = 15.75,
               const QColor& back = style::LinkBlack);

// The hover convention: the label under the pointer turns opaque; moving over the window's
// background turns every label of the given index ranges transparent.
inline void hoverOn(Label& label) {
    label.setOpaque(true);
}
void hoverReset(const Group<Label>& group, std::initializer_list<std::pair<int, int>> ranges);

} // namespace av
