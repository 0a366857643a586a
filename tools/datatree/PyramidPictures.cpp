#include "Pictures.h"
#include "Scenery.h"

#include <QPainterPath>

namespace av::datatree {

namespace {

void paintCamelAndRider(QPainter& p, QPointF feet, qreal s) {
    p.save();
    p.translate(feet);
    p.scale(s, s);
    p.setPen(outlinePen(1.2));
    p.setBrush(QColor(176, 122, 66));
    QPainterPath body;
    body.moveTo(-22, -24);
    body.cubicTo(-20, -44, -6, -44, -2, -34); // hump
    body.cubicTo(2, -30, 12, -30, 16, -30);
    body.lineTo(24, -46); // neck up to the head
    body.lineTo(32, -46);
    body.lineTo(32, -41);
    body.lineTo(26, -40);
    body.lineTo(20, -22);
    body.cubicTo(8, -16, -14, -16, -22, -24);
    p.drawPath(body);
    for (qreal x : {-18.0, -12.0, 8.0, 14.0})
        p.drawLine(QPointF(x, -19), QPointF(x + (x > 0 ? 1 : -1), 0));
    // rider in a blue robe, sitting on the hump
    p.setBrush(palette::lapis);
    p.drawPolygon(
        QPolygonF({QPointF(-12, -40), QPointF(-4, -40), QPointF(-6, -56), QPointF(-10, -56)}));
    p.setBrush(palette::linen);
    p.drawEllipse(QPointF(-8, -60), 4, 4);
    p.restore();
}

} // namespace

void paintPyramidsTopic(QPainter& p, const QSizeF& size) {
    p.save();
    p.scale(size.width() / 320, size.height() / 240);
    paintSky(p, QRectF(0, 0, 320, 170), QColor(36, 104, 200), QColor(180, 220, 248));
    paintSun(p, QPointF(264, 40), 16, QColor(255, 214, 80));
    paintCloud(p, QPointF(90, 40), 80);
    paintDesert(p, QRectF(0, 0, 320, 240), 164, 2);
    paintPyramid(p, QPointF(236, 168), 110, 74);
    paintPyramid(p, QPointF(70, 168), 130, 86);
    paintPyramid(p, QPointF(160, 174), 170, 120);
    paintPalm(p, QPointF(20, 228), 70, 0.12);
    paintPalm(p, QPointF(300, 232), 60, -0.1);
    paintCamelAndRider(p, QPointF(230, 222), 1.1);
    p.restore();
}

void paintPyramidsIcon(QPainter& p, const QSizeF& size) {
    // Tiny: one bold pyramid on sand, no fine detail to blur.
    p.save();
    p.scale(size.width() / 57, size.height() / 41);
    paintSky(p, QRectF(0, 0, 57, 30), QColor(50, 120, 215), QColor(170, 215, 245));
    paintSun(p, QPointF(47, 9), 4, QColor(255, 214, 80));
    p.fillRect(QRectF(0, 29, 57, 12), palette::sand);
    paintPyramid(p, QPointF(24, 33), 40, 26, false);
    p.restore();
}

} // namespace av::datatree
