#include "Glyphs.h"

#include <QPainterPath>

namespace av::datatree {

namespace {

QPointF at(const QRectF& c, qreal x, qreal y) {
    return {c.left() + x * c.width(), c.top() + y * c.height()};
}

QPainterPath polyPath(const QRectF& c, std::initializer_list<QPointF> unitPoints) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& u : unitPoints) {
        if (first)
            path.moveTo(at(c, u.x(), u.y()));
        else
            path.lineTo(at(c, u.x(), u.y()));
        first = false;
    }
    path.closeSubpath();
    return path;
}

void paintBird(QPainter& p, const QRectF& c) {
    QPainterPath bird;
    bird.moveTo(at(c, 0.2, 0.25));
    bird.quadTo(at(c, 0.3, 0.05), at(c, 0.42, 0.22)); // head
    bird.quadTo(at(c, 0.7, 0.35), at(c, 0.95, 0.75)); // back to tail
    bird.lineTo(at(c, 0.55, 0.75));
    bird.quadTo(at(c, 0.3, 0.7), at(c, 0.3, 0.35));
    bird.closeSubpath();
    p.drawPath(bird);
    p.drawLine(at(c, 0.2, 0.25), at(c, 0.05, 0.3)); // beak
    p.drawLine(at(c, 0.45, 0.75), at(c, 0.42, 1.0));
    p.drawLine(at(c, 0.6, 0.75), at(c, 0.62, 1.0));
}

void paintSnake(QPainter& p, const QRectF& c) {
    QPainterPath snake;
    snake.moveTo(at(c, 0.0, 0.85));
    snake.cubicTo(at(c, 0.25, 0.55), at(c, 0.35, 1.0), at(c, 0.6, 0.75));
    snake.cubicTo(at(c, 0.8, 0.55), at(c, 0.75, 0.3), at(c, 0.9, 0.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(snake);
    p.drawEllipse(at(c, 0.9, 0.2), c.width() * 0.08, c.height() * 0.07);
}

void paintAnkh(QPainter& p, const QRectF& c) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(at(c, 0.32, 0.0), at(c, 0.68, 0.36)));
    p.drawLine(at(c, 0.15, 0.42), at(c, 0.85, 0.42));
    p.drawLine(at(c, 0.5, 0.36), at(c, 0.5, 1.0));
}

void paintWater(QPainter& p, const QRectF& c) {
    for (qreal row : {0.35, 0.65}) {
        QPainterPath zig;
        zig.moveTo(at(c, 0.0, row));
        for (int i = 1; i <= 6; ++i)
            zig.lineTo(at(c, i / 6.0, row + (i % 2 ? -0.1 : 0.1)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(zig);
    }
}

} // namespace

void paintHieroglyph(QPainter& p, int sign, const QRectF& c, QColor ink, QColor fill) {
    p.save();
    QPen pen(ink, std::max<qreal>(1.0, c.height() * 0.07));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(fill);
    switch (sign % kHieroglyphCount) {
    case 0:
        paintBird(p, c);
        break;
    case 1:
        paintNumeralSign(p, 4, c.adjusted(0, c.height() * 0.2, 0, -c.height() * 0.2), ink);
        break;
    case 2:
        paintSnake(p, c);
        break;
    case 3:
        paintAnkh(p, c);
        break;
    case 4:
        paintWater(p, c);
        break;
    case 5: // feather
        p.drawPath(polyPath(c, {{0.5, 0.0}, {0.7, 0.3}, {0.62, 0.9}, {0.5, 1.0}, {0.4, 0.6}}));
        break;
    case 6: // loaf of bread
        p.drawChord(QRectF(at(c, 0.1, 0.45), at(c, 0.9, 1.25)), 0, 180 * 16);
        break;
    case 7:
        paintNumeralSign(p, 3, c.adjusted(c.width() * 0.1, 0, -c.width() * 0.1, 0), ink);
        break;
    default: // hand
        p.drawPath(polyPath(
            c, {{0.05, 0.55}, {0.75, 0.4}, {0.95, 0.5}, {0.75, 0.62}, {0.35, 0.75}, {0.05, 0.75}}));
        break;
    }
    p.restore();
}

} // namespace av::datatree
