#include "Glyphs.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace av::datatree {

namespace {

QPen inkPen(QColor ink, const QRectF& cell, qreal share) {
    QPen pen(ink, std::max<qreal>(1.0, cell.height() * share));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPointF at(const QRectF& c, qreal x, qreal y) {
    return {c.left() + x * c.width(), c.top() + y * c.height()};
}

void paintEye(QPainter& p, const QRectF& c, QColor ink, QColor fill) {
    QPainterPath eye;
    eye.moveTo(at(c, 0.05, 0.5));
    eye.quadTo(at(c, 0.5, 0.05), at(c, 0.95, 0.5));
    eye.quadTo(at(c, 0.5, 0.9), at(c, 0.05, 0.5));
    p.setBrush(fill);
    p.drawPath(eye);
    p.setBrush(ink);
    p.drawEllipse(at(c, 0.5, 0.48), c.width() * 0.12, c.height() * 0.16);
    p.setBrush(Qt::NoBrush);
    p.drawLine(at(c, 0.45, 0.72), at(c, 0.3, 0.95)); // the painted cheek stroke
}

void paintSunSign(QPainter& p, const QRectF& c, QColor ink, QColor fill) {
    const QPointF centre = c.center();
    const qreal r = c.width() * 0.24;
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * std::numbers::pi / 6;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * r * 1.3,
                   centre + QPointF(std::cos(a), std::sin(a)) * r * 1.95);
    }
    p.setBrush(fill);
    p.drawEllipse(centre, r, r);
    p.setBrush(ink);
    p.drawEllipse(centre, r * 0.3, r * 0.3);
}

void paintLotus(QPainter& p, const QRectF& c, QColor fill) {
    p.drawLine(at(c, 0.5, 0.45), at(c, 0.5, 1.0));
    p.drawLine(at(c, 0.5, 0.8), at(c, 0.8, 0.68));
    p.setBrush(fill);
    for (qreal dx : {-0.22, 0.22, 0.0}) {
        QPainterPath petal;
        petal.moveTo(at(c, 0.5, 0.5));
        petal.quadTo(at(c, 0.5 + dx * 1.6, 0.35), at(c, 0.5 + dx, 0.04));
        petal.quadTo(at(c, 0.5 + dx * 0.2, 0.3), at(c, 0.5, 0.5));
        p.drawPath(petal);
    }
}

void paintRope(QPainter& p, const QRectF& c) {
    QPainterPath coil;
    const QPointF centre = at(c, 0.5, 0.45);
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = i * 2.6 * std::numbers::pi / steps;
        const qreal r = c.width() * (0.06 + 0.36 * i / steps);
        const QPointF pt = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            coil.moveTo(pt);
        else
            coil.lineTo(pt);
    }
    coil.lineTo(at(c, 0.9, 1.0)); // the loose end
    p.setBrush(Qt::NoBrush);
    p.drawPath(coil);
}

} // namespace

qreal numeralSignAspect(int place) {
    static const qreal aspects[] = {0.34, 0.62, 0.9, 0.8, 1.25, 1.0};
    return place >= 0 && place < 6 ? aspects[place] : 1.0;
}

void paintNumeralSign(QPainter& p, int place, const QRectF& c, QColor ink) {
    p.save();
    p.setPen(inkPen(ink, c, 0.09));
    p.setBrush(Qt::NoBrush);
    switch (place) {
    case 0: // reed: one upright stalk with a tip leaf
        p.drawLine(at(c, 0.5, 0.12), at(c, 0.5, 1.0));
        p.drawLine(at(c, 0.5, 0.12), at(c, 0.85, 0.0));
        break;
    case 1: { // arch: a cattle hobble, like a horseshoe standing up
        QPainterPath arch;
        arch.moveTo(at(c, 0.12, 1.0));
        arch.lineTo(at(c, 0.12, 0.45));
        arch.arcTo(QRectF(at(c, 0.12, 0.05), at(c, 0.88, 0.85)), 180, -180);
        arch.lineTo(at(c, 0.88, 1.0));
        p.drawPath(arch);
        break;
    }
    case 2:
        paintRope(p, c);
        break;
    case 3:
        paintLotus(p, c, QColor(236, 150, 170));
        break;
    case 4:
        paintEye(p, c, ink, QColor(250, 250, 240));
        break;
    default:
        paintSunSign(p, c, ink, QColor(250, 200, 60));
        break;
    }
    p.restore();
}

} // namespace av::datatree
