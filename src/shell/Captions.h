#pragma once

#include "Style.h"

#include "platform/Label.h"
#include "platform/Window.h"

#include <QRectF>

namespace av {

// A caption: a transparent text label that does nothing when clicked, placed in twips.
void applyCaption(Label& label, const QRectF& place, const QString& text, const FontSpec& font,
                  const QColor& colour = style::Yellow, Label::Align align = Label::Align::Center);

Label& addCaption(Window& window, const char* name, int index, const QRectF& place,
                  const QString& text, const FontSpec& font, const QColor& colour = style::Yellow,
                  Label::Align align = Label::Align::Center, QWidget* parent = nullptr);

} // namespace av
