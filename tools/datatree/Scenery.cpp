#include "Scenery.h"

#include "Synth.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace av::datatree {

QPen outlinePen(qreal width, QColor colour) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void paintSky(QPainter& p, const QRectF& area, QColor top, QColor bottom) {
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(area, g);
}

void paintSun(QPainter& p, QPointF centre, qreal radius, QColor core) {
    QRadialGradient glow(centre, radius * 3);
    QColor halo = core;
    halo.setAlpha(110);
    glow.setColorAt(0, halo);
    halo.setAlpha(0);
    glow.setColorAt(1, halo);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 3, radius * 3);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    disc.setColorAt(0, QColor(255, 252, 220));
    disc.setColorAt(1, core);
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
}

void paintCloud(QPainter& p, QPointF centre, qreal width) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    const qreal r = width / 5;
    p.drawEllipse(centre + QPointF(-width * 0.3, 0), r * 1.3, r * 0.8);
    p.drawEllipse(centre + QPointF(0, -r * 0.4), r * 1.6, r * 1.1);
    p.drawEllipse(centre + QPointF(width * 0.3, 0), r * 1.3, r * 0.8);
}

void paintDesert(QPainter& p, const QRectF& area, qreal horizon, int seed) {
    QRectF ground(area.left(), horizon, area.width(), area.bottom() - horizon);
    QLinearGradient g(ground.topLeft(), ground.bottomLeft());
    g.setColorAt(0, palette::sandDark.lighter(110));
    g.setColorAt(0.3, palette::sand);
    g.setColorAt(1, palette::sandDark);
    p.fillRect(ground, g);

    Noise noise{std::uint32_t(seed)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const qreal x = area.left() + area.width() * (0.5 + 0.5 * noise.next());
        const qreal y = horizon + ground.height() * (0.25 + 0.18 * i);
        const qreal w = area.width() * (0.35 + 0.1 * noise.next());
        QPainterPath dune;
        dune.moveTo(x - w, y + ground.height() * 0.08);
        dune.quadTo(x, y - ground.height() * 0.12, x + w, y + ground.height() * 0.08);
        dune.closeSubpath();
        p.setBrush(QColor(250, 220, 160, 70));
        p.drawPath(dune);
    }
}

void paintPyramid(QPainter& p, QPointF base, qreal width, qreal height, bool courses) {
    const QPointF apex = base + QPointF(width * 0.08, -height);
    const QPointF left = base + QPointF(-width / 2, 0);
    const QPointF right = base + QPointF(width / 2, 0);
    const QPointF front = base + QPointF(width * 0.18, height * 0.02);

    QLinearGradient lit(apex, left);
    lit.setColorAt(0, palette::stoneLit.lighter(108));
    lit.setColorAt(1, palette::stoneLit.darker(108));
    p.setPen(outlinePen(std::max<qreal>(0.6, width / 180)));
    p.setBrush(lit);
    p.drawPolygon(QPolygonF({apex, left, front}));
    QLinearGradient shade(apex, right);
    shade.setColorAt(0, palette::stoneShade.lighter(110));
    shade.setColorAt(1, palette::stoneShade.darker(115));
    p.setBrush(shade);
    p.drawPolygon(QPolygonF({apex, front, right}));

    if (courses && height > 30) {
        p.setPen(QPen(QColor(120, 84, 44, 90), std::max<qreal>(0.5, width / 400)));
        const int rows = int(height / 9);
        for (int i = 1; i < rows; ++i) {
            const qreal k = qreal(i) / rows;
            p.drawLine(apex + (left - apex) * k, apex + (front - apex) * k);
            p.drawLine(apex + (front - apex) * k, apex + (right - apex) * k);
        }
    }
    const qreal capK = 0.09;
    p.setPen(outlinePen(std::max<qreal>(0.5, width / 250)));
    p.setBrush(palette::gold);
    p.drawPolygon(QPolygonF({apex, apex + (left - apex) * capK, apex + (front - apex) * capK,
                             apex + (right - apex) * capK}));
}

void paintPalm(QPainter& p, QPointF foot, qreal height, qreal lean) {
    const QPointF top = foot + QPointF(lean * height, -height);
    QPainterPath trunk;
    trunk.moveTo(foot + QPointF(-height * 0.04, 0));
    trunk.quadTo(foot + QPointF(lean * height * 0.2, -height * 0.5), top);
    trunk.quadTo(foot + QPointF(lean * height * 0.2 + height * 0.05, -height * 0.5),
                 foot + QPointF(height * 0.04, 0));
    p.setPen(outlinePen(height / 80));
    p.setBrush(QColor(128, 88, 50));
    p.drawPath(trunk);
    for (int i = 0; i < 7; ++i) {
        const qreal a = -2.9 + i * 0.95 / 1.1;
        const QPointF tip =
            top + QPointF(std::cos(a) * height * 0.42, std::sin(a) * height * 0.22 + height * 0.12);
        QPainterPath frond;
        frond.moveTo(top);
        const QPointF bend = top + (tip - top) * 0.5 + QPointF(0, -height * 0.1);
        frond.quadTo(bend, tip);
        frond.quadTo(bend + QPointF(0, height * 0.07), top);
        QLinearGradient g(top, tip);
        g.setColorAt(0, palette::leaf.darker(120));
        g.setColorAt(1, palette::leaf.lighter(130));
        p.setBrush(g);
        p.drawPath(frond);
    }
}

void paintWater(QPainter& p, const QPolygonF& area, int seed) {
    const QRectF box = area.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, palette::nile.lighter(135));
    g.setColorAt(1, palette::nile.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPolygon(area);
    p.save();
    QPainterPath clip;
    clip.addPolygon(area);
    p.setClipPath(clip);
    Noise noise{std::uint32_t(seed)};
    p.setPen(QPen(QColor(230, 245, 255, 150), std::max<qreal>(0.6, box.height() / 90)));
    for (int i = 0; i < 40; ++i) {
        const QPointF c(box.left() + box.width() * (0.5 + 0.5 * noise.next()),
                        box.top() + box.height() * (0.5 + 0.5 * noise.next()));
        const qreal w = box.width() * (0.02 + 0.015 * noise.next());
        p.drawArc(QRectF(c.x() - w, c.y() - w * 0.2, 2 * w, w * 0.5), 20 * 16, 140 * 16);
    }
    p.restore();
}

void paintBorder(QPainter& p, const QRectF& area, QColor colour, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width));
    p.drawRect(area.adjusted(width / 2, width / 2, -width / 2, -width / 2));
    p.setPen(QPen(colour, std::max<qreal>(0.5, width / 3)));
    const qreal inset = width * 2;
    p.drawRect(area.adjusted(inset, inset, -inset, -inset));
}

QFont labelFont(int pixels, bool bold) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void paintPapyrus(QPainter& p, const QSizeF& size) {
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(250, 236, 196));
    g.setColorAt(1, QColor(226, 200, 142));
    p.fillRect(QRectF(QPointF(0, 0), size), g);
    // faint fibres of the pressed reeds
    p.setPen(QPen(QColor(190, 160, 100, 60), 1));
    for (qreal y = 3; y < size.height(); y += 5)
        p.drawLine(QPointF(0, y), QPointF(size.width(), y + 1));
    paintBorder(p, QRectF(QPointF(0, 0), size), QColor(150, 90, 40), 3);
}

} // namespace av::datatree
