#include "BuildingFigures.h"

#include "Scenery.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace av::datatree {

namespace {

// Joints in units of standing height, feet at the origin, facing +x, up is -y.
struct Body {
    QPointF footB, kneeB, footF, kneeF, hip, shoulder, head;
    QPointF elbowB, handB, elbowF, handF;
};

Body bodyFor(Pose pose) {
    switch (pose) {
    case Pose::Pulling:
        return {{-0.24, 0},     {-0.14, -0.24}, {0.14, 0},     {0.14, -0.27},
                {-0.03, -0.47}, {0.18, -0.74},  {0.26, -0.82}, {0.12, -0.56},
                {0.06, -0.62},  {0.2, -0.55},   {0.08, -0.62}};
    case Pose::Kneeling:
        return {{-0.36, 0},    {-0.14, 0},   {0.16, 0},     {0.16, -0.26},
                {-0.1, -0.28}, {0.0, -0.58}, {0.05, -0.66}, {0.1, -0.5},
                {0.3, -0.42},  {0.1, -0.7},  {0.2, -0.8}};
    case Pose::Pointing:
        return {{-0.06, 0},   {-0.03, -0.27}, {0.07, 0},    {0.05, -0.27},
                {0.0, -0.5},  {0.0, -0.8},    {0.02, -0.9}, {-0.02, -0.62},
                {0.06, -0.5}, {0.15, -0.74},  {0.32, -0.78}};
    case Pose::Standing:
        break;
    }
    return {{-0.06, 0},   {-0.04, -0.27}, {0.06, 0},      {0.04, -0.27}, {0.0, -0.5},  {0.0, -0.8},
            {0.02, -0.9}, {-0.06, -0.6},  {-0.02, -0.45}, {0.08, -0.62}, {0.12, -0.46}};
}

void limb(QPainter& p, std::initializer_list<QPointF> joints, qreal width, QColor colour) {
    QPolygonF line;
    for (const QPointF& j : joints)
        line << j;
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(width + 0.03));
    p.drawPolyline(line);
    p.setPen(outlinePen(width, colour));
    p.drawPolyline(line);
}

void paintHead(QPainter& p, QPointF centre, bool wig) {
    p.setPen(outlinePen(0.015));
    p.setBrush(palette::skin);
    p.drawEllipse(centre, 0.075, 0.08);
    if (wig) {
        p.setBrush(QColor(30, 24, 20));
        p.drawChord(QRectF(centre.x() - 0.085, centre.y() - 0.09, 0.17, 0.16), 20 * 16, 200 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(palette::ink);
    p.drawEllipse(centre + QPointF(0.035, -0.01), 0.012, 0.012);
}

void beginFigure(QPainter& p, QPointF feet, qreal height, bool facingRight) {
    p.save();
    p.translate(feet);
    p.scale(facingRight ? height : -height, height);
}

} // namespace

QPointF ropeHand(QPointF feet, qreal height, bool facingRight) {
    const QPointF hand = bodyFor(Pose::Pulling).handF;
    return feet + QPointF((facingRight ? hand.x() : -hand.x()) * height, hand.y() * height);
}

void paintWorker(QPainter& p, QPointF feet, qreal height, Pose pose, bool facingRight) {
    const Body b = bodyFor(pose);
    beginFigure(p, feet, height, facingRight);
    const QColor shade = palette::skin.darker(125);
    limb(p, {b.shoulder, b.elbowB, b.handB}, 0.06, shade);
    limb(p, {b.hip, b.kneeB, b.footB}, 0.08, shade);
    limb(p, {b.shoulder, b.hip}, 0.16, palette::skin);
    QPainterPath kilt;
    kilt.moveTo(b.hip + QPointF(-0.09, -0.04));
    kilt.lineTo(b.hip + QPointF(0.09, -0.04));
    kilt.lineTo(b.hip + QPointF(0.13, 0.16));
    kilt.lineTo(b.hip + QPointF(-0.11, 0.16));
    kilt.closeSubpath();
    limb(p, {b.hip, b.kneeF, b.footF}, 0.08, palette::skin);
    p.setPen(outlinePen(0.015));
    p.setBrush(palette::linen);
    p.drawPath(kilt);
    paintHead(p, b.head, true);
    limb(p, {b.shoulder, b.elbowF, b.handF}, 0.06, palette::skin);
    p.restore();
}

void paintPriest(QPainter& p, QPointF feet, qreal height, bool facingRight) {
    const Body b = bodyFor(Pose::Pointing);
    beginFigure(p, feet, height, facingRight);
    // staff held upright in the back hand
    p.setPen(outlinePen(0.03, QColor(100, 60, 20)));
    p.drawLine(QPointF(0.08, 0.0), QPointF(0.08, -1.05));
    p.setBrush(palette::gold);
    p.setPen(outlinePen(0.012));
    p.drawEllipse(QPointF(0.08, -1.07), 0.035, 0.035);
    limb(p, {b.shoulder, b.elbowB, b.handB + QPointF(0.02, 0)}, 0.06, palette::skin.darker(120));
    QPainterPath robe;
    robe.moveTo(-0.1, -0.8);
    robe.lineTo(0.1, -0.8);
    robe.lineTo(0.17, -0.02);
    robe.lineTo(-0.15, -0.02);
    robe.closeSubpath();
    QLinearGradient linen(-0.15, 0, 0.17, 0);
    linen.setColorAt(0, palette::linen);
    linen.setColorAt(1, palette::linen.darker(115));
    p.setPen(outlinePen(0.015));
    p.setBrush(linen);
    p.drawPath(robe);
    // leopard skin over one shoulder
    QPainterPath sash;
    sash.moveTo(-0.1, -0.78);
    sash.lineTo(0.02, -0.8);
    sash.lineTo(0.14, -0.45);
    sash.lineTo(0.02, -0.42);
    sash.closeSubpath();
    p.setBrush(QColor(222, 150, 50));
    p.drawPath(sash);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 10));
    for (const QPointF spot : {QPointF(-0.03, -0.72), QPointF(0.03, -0.62), QPointF(0.07, -0.52)})
        p.drawEllipse(spot, 0.013, 0.013);
    p.setPen(outlinePen(0.012));
    p.setBrush(palette::skin.darker(110));
    p.drawRect(QRectF(-0.12, -0.02, 0.12, 0.03));
    paintHead(p, b.head, false); // priests shaved their heads
    limb(p, {b.shoulder, b.elbowF, b.handF}, 0.06, palette::skin);
    p.restore();
}

void paintBlock(QPainter& p, QPointF bottomLeft, qreal width, qreal height, qreal depth) {
    const QPointF off(depth, -depth * 0.6);
    const QRectF front(bottomLeft.x(), bottomLeft.y() - height, width, height);
    p.setPen(outlinePen(std::max<qreal>(0.8, width / 40)));
    p.setBrush(palette::stoneLit.darker(104));
    p.drawPolygon(QPolygonF(
        {front.topLeft(), front.topLeft() + off, front.topRight() + off, front.topRight()}));
    p.setBrush(palette::stoneShade);
    p.drawPolygon(QPolygonF({front.topRight(), front.topRight() + off, front.bottomRight() + off,
                             front.bottomRight()}));
    QLinearGradient g(front.topLeft(), front.bottomRight());
    g.setColorAt(0, palette::stoneLit);
    g.setColorAt(1, palette::stoneLit.darker(118));
    p.setBrush(g);
    p.drawRect(front);
}

void paintSledWithBlock(QPainter& p, QPointF bottomLeft, qreal length) {
    const qreal runner = length * 0.1;
    p.setPen(outlinePen(std::max<qreal>(0.8, length / 60)));
    p.setBrush(QColor(130, 82, 40));
    QPainterPath sled;
    sled.moveTo(bottomLeft);
    sled.lineTo(bottomLeft + QPointF(length * 0.9, 0));
    sled.quadTo(bottomLeft + QPointF(length, 0), bottomLeft + QPointF(length, -runner * 1.6));
    sled.lineTo(bottomLeft + QPointF(length * 0.9, -runner));
    sled.lineTo(bottomLeft + QPointF(0, -runner));
    sled.closeSubpath();
    p.drawPath(sled);
    paintBlock(p, bottomLeft + QPointF(length * 0.08, -runner), length * 0.72, length * 0.5,
               length * 0.14);
    p.setPen(outlinePen(std::max<qreal>(0.7, length / 80), QColor(150, 110, 60)));
    p.drawLine(bottomLeft + QPointF(length * 0.3, -runner),
               bottomLeft + QPointF(length * 0.3, -runner - length * 0.5));
    p.drawLine(bottomLeft + QPointF(length * 0.6, -runner),
               bottomLeft + QPointF(length * 0.6, -runner - length * 0.5));
}

void paintBarge(QPainter& p, QPointF waterline, qreal length) {
    const qreal h = length * 0.16;
    QPainterPath hull;
    hull.moveTo(waterline + QPointF(-length / 2, -h * 1.3));
    hull.quadTo(waterline + QPointF(-length * 0.4, h * 0.6), waterline + QPointF(0, h * 0.5));
    hull.quadTo(waterline + QPointF(length * 0.4, h * 0.6),
                waterline + QPointF(length / 2, -h * 1.5));
    hull.quadTo(waterline + QPointF(length * 0.3, -h * 0.2), waterline + QPointF(0, -h * 0.3));
    hull.quadTo(waterline + QPointF(-length * 0.3, -h * 0.2),
                waterline + QPointF(-length / 2, -h * 1.3));
    QLinearGradient wood(waterline + QPointF(0, -h), waterline + QPointF(0, h));
    wood.setColorAt(0, QColor(176, 118, 60));
    wood.setColorAt(1, QColor(110, 66, 30));
    p.setPen(outlinePen(1.5));
    p.setBrush(wood);
    p.drawPath(hull);
    p.setPen(QPen(QColor(90, 50, 20), 1));
    for (int i = 1; i < 3; ++i)
        p.drawLine(waterline + QPointF(-length * 0.36, -h * 0.25 + i * h * 0.22),
                   waterline + QPointF(length * 0.36, -h * 0.25 + i * h * 0.22));
    // steering oar at the stern, rowers at the bow
    p.setPen(outlinePen(2.5, QColor(120, 76, 36)));
    p.drawLine(waterline + QPointF(-length * 0.42, -h * 2.2),
               waterline + QPointF(-length * 0.55, h * 1.2));
    paintSledWithBlock(p, waterline + QPointF(-length * 0.2, -h * 0.3), length * 0.32);
    for (int i = 0; i < 3; ++i) {
        const QPointF seat = waterline + QPointF(length * (0.16 + 0.11 * i), -h * 0.3);
        paintWorker(p, seat, h * 1.9, Pose::Kneeling, false); // rowers face the stern
        p.setPen(outlinePen(2, QColor(120, 76, 36)));
        p.drawLine(seat + QPointF(-h * 0.5, -h * 0.9), seat + QPointF(h * 0.9, h * 1.3));
    }
    paintWorker(p, waterline + QPointF(-length * 0.4, -h * 0.75), h * 1.9, Pose::Standing, true);
}

} // namespace av::datatree
