#pragma once

#include "platform/Fonts.h"
#include "platform/Label.h"
#include "platform/Window.h"

#include <QColor>
#include <QRectF>

namespace av::quiz {

inline const QColor Yellow(255, 255, 0);

// A transparent text label of the quiz screens, placed in twips.
Label& textLabel(Window& window, const char* name, int index, const QRectF& box,
                 const QString& caption, const FontSpec& font, const QColor& colour,
                 Label::Align align = Label::Align::Center);

inline FontSpec timesFont(double points) {
    return {QStringLiteral("Times New Roman"), points};
}
inline FontSpec tahomaBold(double points) {
    return {QStringLiteral("Tahoma"), points, true};
}

} // namespace av::quiz
