#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <cmath>

namespace av {

// All layouts are in twips; the screen is drawn at 96 logical dots per inch.
inline constexpr float TwipsPerPixel = 15.0f;

inline int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline float toTwips(double pixels) {
    return static_cast<float>(pixels * TwipsPerPixel);
}

inline QRect pixelRect(float left, float top, float width, float height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// A point size drawn at 96 dpi; every size the screens use is a whole number of pixels.
inline int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 4.0 / 3.0));
}

} // namespace av
