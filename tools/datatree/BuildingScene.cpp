#include "BuildingFigures.h"
#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace av::datatree {

// The scene is drawn on an 800 x 574 canvas. The labelling activity points at four places in
// it, so the ramp team, the priest, the barge and the masons must stay where they are.
namespace {

constexpr qreal kHorizon = 236;
constexpr qreal kGround = 312; // foot of the pyramid under construction

// The ramp rises from off the left edge to the working platform on the pyramid.
qreal rampY(qreal x) {
    return 330 - (x + 80) * (184.0 / 356.0);
}

void paintUnfinishedPyramid(QPainter& p) {
    const QPointF baseL(120, kGround), baseR(540, kGround), topL(268, 146), topR(382, 146);
    const QPointF frontB(392, kGround + 6), frontT(330, 148);
    QLinearGradient lit(0, 146, 0, kGround);
    lit.setColorAt(0, palette::stoneLit.lighter(106));
    lit.setColorAt(1, palette::stoneLit.darker(110));
    p.setPen(outlinePen(1.5));
    p.setBrush(lit);
    p.drawPolygon(QPolygonF({topL, frontT, frontB, baseL}));
    p.setBrush(palette::stoneShade);
    p.drawPolygon(QPolygonF({frontT, topR, baseR, frontB}));
    p.setBrush(palette::stoneLit.lighter(112));
    p.drawPolygon(QPolygonF({topL, QPointF(300, 136), QPointF(394, 138), topR, frontT}));
    // courses and joints of the stone blocks
    p.setPen(QPen(QColor(120, 84, 44, 110), 1));
    for (qreal y = 156; y < kGround; y += 11) {
        const qreal k = (y - 146) / (kGround - 146);
        const QPointF l = topL + (baseL - topL) * k, f = frontT + (frontB - frontT) * k;
        const QPointF r = topR + (baseR - topR) * k;
        p.drawLine(l, f);
        p.drawLine(f, r);
        const int row = int(y);
        for (qreal t = (row % 2) * 0.05; t < 1; t += 0.1) {
            const QPointF a = l + (f - l) * t;
            p.drawLine(a, a + QPointF(0, -11));
        }
    }
    paintBlock(p, QPointF(332, 140), 22, 12, 8);
    paintBlock(p, QPointF(356, 142), 22, 12, 8);
}

void paintRamp(QPainter& p) {
    const qreal topX = 282;
    QPolygonF side({QPointF(-80, 330), QPointF(topX, rampY(topX)), QPointF(topX + 6, 160),
                    QPointF(topX + 6, kGround + 14), QPointF(-80, 340)});
    QLinearGradient earth(0, 150, 0, 330);
    earth.setColorAt(0, QColor(214, 170, 104));
    earth.setColorAt(1, QColor(180, 130, 74));
    p.setPen(outlinePen(1.5));
    p.setBrush(earth);
    p.drawPolygon(side);
    // mud bricks on the ramp's side wall
    p.save();
    QPainterPath clip;
    clip.addPolygon(side);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(140, 96, 52, 120), 1));
    for (qreal y = 150; y < 345; y += 8) {
        p.drawLine(QPointF(-80, y), QPointF(topX + 6, y));
        for (qreal x = -80 + (int(y) % 16 ? 0 : 9); x < topX; x += 18)
            p.drawLine(QPointF(x, y), QPointF(x, y + 8));
    }
    p.restore();
    // the sandy running surface with wooden cross-timbers
    QPolygonF top({QPointF(-80, 330), QPointF(topX, rampY(topX)),
                   QPointF(topX + 10, rampY(topX) - 6), QPointF(-70, 322)});
    p.setPen(outlinePen(1.2));
    p.setBrush(QColor(238, 206, 142));
    p.drawPolygon(top);
    p.setPen(QPen(QColor(130, 86, 40), 1.6));
    for (qreal x = -60; x < topX; x += 16)
        p.drawLine(QPointF(x, rampY(x)), QPointF(x + 8, rampY(x) - 6));
}

void paintRampTeam(QPainter& p) {
    // Block on its sled, a man wetting the sand in front of it, and the haulers above.
    p.save();
    p.translate(196, rampY(196) - 2);
    p.rotate(-27.3);
    paintSledWithBlock(p, QPointF(0, 0), 48);
    p.restore();
    const QPointF ropeStart(244, rampY(244) - 14);
    const qreal haulerX[] = {262, 286, 312, 338};
    QPolygonF rope({ropeStart});
    for (qreal x : haulerX) {
        const QPointF feet(x, x < 282 ? rampY(x) - 3 : 144);
        paintWorker(p, feet, 40, Pose::Pulling, true);
        rope << ropeHand(feet, 40, true);
    }
    p.setPen(outlinePen(1.6, QColor(150, 110, 50)));
    p.drawPolyline(rope);
    paintWorker(p, QPointF(160, rampY(160) - 3), 40, Pose::Standing, true);
    p.setPen(outlinePen(1.2));
    p.setBrush(QColor(170, 90, 50));
    p.drawEllipse(QPointF(168, rampY(160) - 26), 5, 6); // water jar
    // a second block lower down the ramp
    p.save();
    p.translate(40, rampY(40) - 2);
    p.rotate(-27.3);
    paintSledWithBlock(p, QPointF(0, 0), 44);
    p.restore();
    for (qreal x : {96.0, 116.0})
        paintWorker(p, QPointF(x, rampY(x) - 3), 38, Pose::Pulling, true);
}

void paintOverseer(QPainter& p) {
    // The priest on a low dais with a sunshade, directing the work.
    p.setPen(outlinePen(1.4));
    p.setBrush(palette::stoneLit);
    p.drawRect(QRectF(606, 300, 80, 12));
    p.setPen(outlinePen(2, QColor(110, 70, 30)));
    p.drawLine(QPointF(674, 300), QPointF(674, 196));
    p.setPen(outlinePen(1.2));
    p.setBrush(QColor(60, 140, 90));
    p.drawChord(QRectF(630, 184, 88, 30), 0, 180 * 16);
    paintPriest(p, QPointF(640, 300), 92, false);
    paintWorker(p, QPointF(700, 312), 60, Pose::Standing, false); // his scribe
    p.setBrush(palette::linen);
    p.drawRect(QRectF(682, 272, 10, 14));
}

void paintRiverAndBarge(QPainter& p) {
    QPolygonF river({QPointF(0, 392), QPointF(200, 396), QPointF(360, 410), QPointF(470, 440),
                     QPointF(540, 574), QPointF(0, 574)});
    paintWater(p, river, 21);
    p.setPen(outlinePen(1.2, QColor(60, 110, 40)));
    for (qreal x = 380; x < 520; x += 9) // reeds along the bank
        p.drawLine(QPointF(x, 420 + (x - 380) * 0.5), QPointF(x - 4, 396 + (x - 380) * 0.5));
    paintBarge(p, QPointF(184, 470), 230);
}

void paintMasons(QPainter& p) {
    // A mason dresses a block while his mate checks it with a cubit rod and set square.
    paintBlock(p, QPointF(352, 372), 62, 40, 18);
    paintWorker(p, QPointF(446, 372), 48, Pose::Kneeling, false);
    paintWorker(p, QPointF(328, 376), 50, Pose::Standing, true);
    // cubit rod with its marks, held along the face
    p.setPen(outlinePen(1));
    p.setBrush(QColor(150, 96, 44));
    p.drawRect(QRectF(332, 350, 70, 5));
    for (qreal x = 340; x < 400; x += 8)
        p.drawLine(QPointF(x, 350), QPointF(x, 353));
    // set square on the top edge
    p.setPen(outlinePen(2.4, QColor(110, 70, 30)));
    p.drawPolyline(QPolygonF({QPointF(368, 316), QPointF(368, 330), QPointF(388, 330)}));
    // chisel against the block and a wooden mallet raised to strike it
    p.setPen(outlinePen(1.8, QColor(110, 110, 110)));
    p.drawLine(QPointF(432, 352), QPointF(416, 348));
    p.setPen(outlinePen(2, QColor(110, 70, 30)));
    p.drawLine(QPointF(436, 334), QPointF(440, 322));
    p.setPen(outlinePen(1));
    p.setBrush(QColor(150, 96, 44));
    p.drawEllipse(QPointF(441, 318), 5, 6);
    p.setBrush(palette::stoneLit);
    p.setPen(Qt::NoPen);
    for (const QPointF chip : {QPointF(420, 372), QPointF(432, 376), QPointF(414, 378)})
        p.drawEllipse(chip, 2.5, 1.5);
}

} // namespace

void paintBuildingScene(QPainter& p, const QSizeF& size) {
    p.save();
    p.scale(size.width() / 800, size.height() / 574);
    paintSky(p, QRectF(0, 0, 800, kHorizon), QColor(40, 110, 210), QColor(196, 226, 246));
    paintSun(p, QPointF(760, 80), 22, QColor(255, 216, 80));
    paintCloud(p, QPointF(160, 60), 120);
    paintCloud(p, QPointF(610, 100), 90);
    paintDesert(p, QRectF(0, 0, 800, 574), kHorizon, 13);
    paintPyramid(p, QPointF(560, kHorizon + 6), 170, 116);
    paintPyramid(p, QPointF(730, kHorizon + 4), 120, 80);
    paintUnfinishedPyramid(p);
    paintRamp(p);
    paintRampTeam(p);
    paintOverseer(p);
    paintRiverAndBarge(p);
    paintMasons(p);
    for (const auto& [x, y, h] :
         {std::tuple{560.0, 470.0, 96.0}, {600.0, 500.0, 80.0}, {760.0, 440.0, 110.0}})
        paintPalm(p, QPointF(x, y), h, x > 700 ? -0.1 : 0.08);
    paintBlock(p, QPointF(660, 420), 40, 24, 12);
    paintBlock(p, QPointF(704, 420), 40, 24, 12);
    paintBlock(p, QPointF(680, 396), 40, 24, 12);
    p.restore();
}

} // namespace av::datatree
