#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace av::datatree {

namespace {

QLinearGradient stoneAcross(qreal left, qreal right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, QColor(214, 178, 128));
    g.setColorAt(0.45, QColor(198, 160, 110));
    g.setColorAt(1, QColor(140, 104, 66));
    return g;
}

void paintThroneAndLegs(QPainter& p, qreal cx) {
    p.setPen(outlinePen(1.3));
    p.setBrush(stoneAcross(cx - 48, cx + 48));
    p.drawRect(QRectF(cx - 48, 196, 96, 22)); // plinth
    p.setBrush(QColor(150, 112, 70));
    p.drawRect(QRectF(cx - 44, 104, 88, 92)); // throne seen past the figure
    p.setBrush(stoneAcross(cx - 30, cx + 30));
    p.drawRect(QRectF(cx - 30, 128, 60, 14)); // lap
    p.drawRect(QRectF(cx - 27, 142, 22, 50)); // shins
    p.drawRect(QRectF(cx + 5, 142, 22, 50));
    p.drawRoundedRect(QRectF(cx - 29, 188, 26, 9), 3, 3);
    p.drawRoundedRect(QRectF(cx + 3, 188, 26, 9), 3, 3);
}

void paintUpperBody(QPainter& p, qreal cx) {
    QPainterPath torso;
    torso.moveTo(cx - 32, 80);
    torso.lineTo(cx + 32, 80);
    torso.lineTo(cx + 22, 130);
    torso.lineTo(cx - 22, 130);
    torso.closeSubpath();
    p.setBrush(stoneAcross(cx - 32, cx + 32));
    p.drawPath(torso);
    p.drawRoundedRect(QRectF(cx - 40, 80, 11, 58), 5, 5); // arms resting on the knees
    p.drawRoundedRect(QRectF(cx + 29, 80, 11, 58), 5, 5);
    p.drawEllipse(QRectF(cx - 38, 128, 16, 10));
    p.drawEllipse(QRectF(cx + 22, 128, 16, 10));

    QPainterPath cloth;
    cloth.moveTo(cx - 18, 38);
    cloth.cubicTo(cx - 8, 30, cx + 8, 30, cx + 18, 38);
    cloth.lineTo(cx + 26, 96);
    cloth.lineTo(cx + 14, 96);
    cloth.lineTo(cx + 12, 74);
    cloth.lineTo(cx - 12, 74);
    cloth.lineTo(cx - 14, 96);
    cloth.lineTo(cx - 26, 96);
    cloth.closeSubpath();
    p.setBrush(stoneAcross(cx - 26, cx + 26));
    p.drawPath(cloth);
    p.setPen(QPen(QColor(110, 78, 46, 150), 1.0));
    for (qreal y = 44; y < 96; y += 6) {
        p.drawLine(QPointF(cx - 26 + (96 - y) * 0.12, y), QPointF(cx - 13, y));
        p.drawLine(QPointF(cx + 13, y), QPointF(cx + 26 - (96 - y) * 0.12, y));
    }
    p.setPen(outlinePen(1.3));
    p.setBrush(stoneAcross(cx - 11, cx + 11));
    p.drawRoundedRect(QRectF(cx - 11, 44, 22, 30), 8, 8); // face
    p.drawLine(QPointF(cx - 7, 55), QPointF(cx - 2, 55));
    p.drawLine(QPointF(cx + 2, 55), QPointF(cx + 7, 55));
    p.drawLine(QPointF(cx, 57), QPointF(cx, 64));
    p.drawLine(QPointF(cx - 4, 68), QPointF(cx + 4, 68));
    p.drawRect(QRectF(cx - 3, 74, 6, 10)); // beard
}

void paintCracks(QPainter& p, qreal cx, int variant) {
    p.setPen(QPen(QColor(90, 60, 34, 170), 1.0));
    const qreal k = variant ? -1 : 1;
    p.drawPolyline(QPolygonF({QPointF(cx + 20 * k, 82), QPointF(cx + 12 * k, 100),
                              QPointF(cx + 16 * k, 112), QPointF(cx + 8 * k, 126)}));
    p.drawPolyline(
        QPolygonF({QPointF(cx - 40, 150), QPointF(cx - 34, 160), QPointF(cx - 38, 176)}));
}

void paintColossus(QPainter& p, qreal cx, int variant) {
    paintThroneAndLegs(p, cx);
    paintUpperBody(p, cx);
    paintCracks(p, cx, variant);
}

void paintVisitor(QPainter& p, QPointF feet, QColor robe) {
    p.setPen(outlinePen(0.8));
    p.setBrush(robe);
    p.drawPolygon(QPolygonF({feet + QPointF(-3, 0), feet + QPointF(3, 0), feet + QPointF(1.5, -10),
                             feet + QPointF(-1.5, -10)}));
    p.setBrush(palette::skin);
    p.drawEllipse(feet + QPointF(0, -12), 2.2, 2.2);
}

} // namespace

void paintColossi(QPainter& p, const QSizeF& size) {
    p.save();
    p.scale(size.width() / 320, size.height() / 240);
    paintSky(p, QRectF(0, 0, 320, 190), QColor(60, 130, 220), QColor(190, 225, 250));
    paintCloud(p, QPointF(60, 36), 70);
    paintCloud(p, QPointF(280, 24), 60);
    p.fillRect(QRectF(0, 176, 320, 64), QColor(96, 150, 70)); // flooded fields by the river
    paintWater(
        p, QPolygonF({QPointF(0, 182), QPointF(320, 178), QPointF(320, 190), QPointF(0, 196)}), 3);
    paintDesert(p, QRectF(0, 0, 320, 240), 200, 4);
    paintPalm(p, QPointF(14, 204), 60, 0.1);
    paintPalm(p, QPointF(306, 204), 52, -0.12);
    paintColossus(p, 104, 0);
    paintColossus(p, 216, 1);
    paintVisitor(p, QPointF(156, 222), QColor(240, 240, 230));
    paintVisitor(p, QPointF(166, 224), QColor(200, 60, 50));
    p.restore();
}

} // namespace av::datatree
