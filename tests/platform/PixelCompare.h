#pragma once

#include <QImage>
#include <cstdlib>

namespace av::test {

// Pixels whose colour differs by more than a rounding step between two images of one size: a
// page drawn onto a transparent copy and then over the window may round its blended edges one
// step apart from the same page drawn straight onto the window.
inline int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return a.width() * a.height() + 1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                std::abs(qBlue(p) - qBlue(q)) > 2)
                ++count;
        }
    return count;
}

} // namespace av::test
