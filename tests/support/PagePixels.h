#pragma once

#include "platform/Picture.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QImage>
#include <QPainter>
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

// A picture drawn from its records as an image box of that size shows it, over the colour of
// the window behind it.
inline QImage pictureFromRecords(const Picture& picture, QSize box, const QColor& under) {
    QImage image(box, QImage::Format_RGB32);
    image.fill(under);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), picture.sizeTwips() / TwipsPerPixel));
    return image;
}

// What an image box paints over that colour.
inline QImage boxPixels(PictureBox& box, const QColor& under) {
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(under);
    box.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace av::test
