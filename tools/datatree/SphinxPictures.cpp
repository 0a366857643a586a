#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace av::datatree {

namespace {

// The sphinx lies facing left; drawn in a 360 x 240 frame with its plinth at y 168..190.
void paintPlinth(QPainter& p) {
    QLinearGradient g(0, 168, 0, 192);
    g.setColorAt(0, palette::stoneLit);
    g.setColorAt(1, palette::stoneShade);
    p.setPen(outlinePen(1.2));
    p.setBrush(g);
    p.drawRect(QRectF(26, 168, 300, 22));
    p.setPen(QPen(QColor(120, 84, 44, 120), 0.8));
    for (int x = 56; x < 326; x += 30)
        p.drawLine(QPointF(x + (x / 30 % 2) * 15, 168), QPointF(x + (x / 30 % 2) * 15, 179));
    p.drawLine(QPointF(26, 179), QPointF(326, 179));
}

void paintLionBody(QPainter& p) {
    QPainterPath body;
    body.moveTo(318, 168);
    body.cubicTo(326, 150, 322, 128, 298, 122);
    body.cubicTo(260, 114, 210, 116, 178, 118);
    body.cubicTo(160, 124, 150, 140, 148, 150);
    body.lineTo(60, 152);
    body.cubicTo(44, 152, 38, 160, 40, 168);
    body.closeSubpath();
    QLinearGradient g(0, 112, 0, 168);
    g.setColorAt(0, palette::stoneLit.lighter(105));
    g.setColorAt(1, palette::stoneShade);
    p.setPen(outlinePen(1.6));
    p.setBrush(g);
    p.drawPath(body);

    // Haunch, foreleg and tail give the stone lion its shape.
    p.setPen(outlinePen(1.2, QColor(110, 74, 40)));
    p.setBrush(Qt::NoBrush);
    QPainterPath haunch;
    haunch.moveTo(300, 168);
    haunch.cubicTo(268, 160, 262, 136, 290, 128);
    p.drawPath(haunch);
    QPainterPath leg;
    leg.moveTo(190, 168);
    leg.cubicTo(170, 160, 162, 152, 150, 152);
    p.drawPath(leg);
    QPainterPath paw;
    paw.moveTo(60, 160);
    paw.lineTo(140, 160);
    p.drawPath(paw);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(44 + i * 5, 156), QPointF(44 + i * 5, 167));
    QPainterPath tail;
    tail.moveTo(316, 160);
    tail.cubicTo(300, 166, 270, 168, 250, 164);
    p.drawPath(tail);
}

void paintHead(QPainter& p) {
    // Striped headcloth with lappets falling to the shoulders.
    QPainterPath cloth;
    cloth.moveTo(122, 60);
    cloth.cubicTo(134, 48, 158, 48, 170, 60);
    cloth.lineTo(186, 126);
    cloth.lineTo(150, 130);
    cloth.lineTo(112, 126);
    cloth.closeSubpath();
    p.setPen(outlinePen(1.5));
    p.setBrush(palette::gold);
    p.drawPath(cloth);
    p.save();
    p.setClipPath(cloth);
    p.setPen(QPen(palette::lapis, 3.2));
    for (int y = 58; y < 132; y += 8)
        p.drawLine(QPointF(100, y), QPointF(200, y + 6));
    p.restore();

    QPainterPath face;
    face.moveTo(118, 68);
    face.lineTo(142, 66);
    face.lineTo(144, 112);
    face.cubicTo(136, 120, 124, 120, 116, 112);
    face.lineTo(112, 90);
    face.lineTo(106, 88); // the nose stands out in profile
    face.lineTo(112, 82);
    face.closeSubpath();
    QLinearGradient skin(106, 0, 144, 0);
    skin.setColorAt(0, palette::stoneLit.lighter(110));
    skin.setColorAt(1, palette::stoneShade.lighter(110));
    p.setBrush(skin);
    p.drawPath(face);
    // eye with a painted line, brow, mouth and the plaited beard
    p.setPen(outlinePen(1.4));
    p.drawLine(QPointF(116, 80), QPointF(126, 79));
    p.setBrush(palette::ink);
    p.drawEllipse(QPointF(121, 82), 2.2, 1.6);
    p.drawLine(QPointF(126, 82), QPointF(132, 84));
    p.drawLine(QPointF(112, 102), QPointF(120, 103));
    p.setBrush(palette::lapis);
    p.drawRect(QRectF(116, 116, 8, 18));
    p.setBrush(palette::gold);
    p.drawEllipse(QPointF(146, 58), 5, 4); // the cobra on the brow
}

void paintSphinxOnPlinth(QPainter& p) {
    paintPlinth(p);
    paintLionBody(p);
    paintHead(p);
}

void scaleTo(QPainter& p, const QSizeF& size, qreal w, qreal h) {
    p.scale(size.width() / w, size.height() / h);
}

} // namespace

void paintTitleSphinx(QPainter& p, const QSizeF& size) {
    // Evening: the sphinx keeps watch before the pyramids at sunset.
    p.save();
    scaleTo(p, size, 364, 244);
    paintSky(p, QRectF(0, 0, 364, 180), QColor(70, 60, 140), QColor(250, 160, 80));
    paintSun(p, QPointF(250, 150), 20, QColor(255, 190, 70));
    paintDesert(p, QRectF(0, 0, 364, 244), 172, 5);
    paintPyramid(p, QPointF(262, 174), 160, 110);
    paintPyramid(p, QPointF(340, 174), 90, 62);
    p.translate(2, 4);
    paintSphinxOnPlinth(p);
    p.restore();
    paintBorder(p, QRectF(QPointF(0, 0), size), QColor(120, 70, 20), 3);
}

void paintResultsSphinx(QPainter& p, const QSizeF& size) {
    // Bright midday with a palm, for the cheerful results screen.
    p.save();
    scaleTo(p, size, 360, 270);
    paintSky(p, QRectF(0, 0, 360, 190), QColor(40, 110, 210), QColor(170, 215, 245));
    paintSun(p, QPointF(60, 44), 18, QColor(255, 220, 90));
    paintCloud(p, QPointF(250, 50), 90);
    paintDesert(p, QRectF(0, 0, 360, 270), 176, 9);
    paintPyramid(p, QPointF(270, 178), 150, 100);
    paintPalm(p, QPointF(336, 210), 96, -0.12);
    p.translate(0, 24);
    paintSphinxOnPlinth(p);
    p.restore();
}

} // namespace av::datatree
