#include "IllustrationParts.h"

#include <uemf.h>

namespace av::pages {
namespace {

void desert(Canvas& c, double horizon) {
    c.image(QRectF(0, 0, 1000, horizon), sunsetSky());
    c.noPen();
    c.brush(SandLight);
    c.rect(QRectF(0, horizon, 1000, 750 - horizon));
    QPainterPath dune;
    dune.moveTo(0, horizon + 40);
    dune.cubicTo(250, horizon - 10, 420, horizon + 70, 1000, horizon + 20);
    dune.lineTo(1000, 750);
    dune.lineTo(0, 750);
    dune.closeSubpath();
    c.brush(SandDark);
    c.fill(dune);
}

void block(Canvas& c, const QRectF& r) {
    c.pen(Ink, 1.5);
    c.brush(StoneLit);
    c.rect(r);
}

} // namespace

void pyramidTomb(Canvas& c, Medium) {
    c.sheet().out().setSmoothStretch();
    desert(c, 560);
    c.noPen();
    c.brush(QColor(255, 236, 160));
    c.ellipse(QPointF(840, 120), 48, 48);
    c.pen(Ink, 2);
    c.brush(StoneLit);
    c.polygon(QPolygonF({QPointF(120, 640), QPointF(500, 110), QPointF(570, 640)}));
    c.brush(StoneShade);
    c.polygon(QPolygonF({QPointF(570, 640), QPointF(500, 110), QPointF(880, 640)}));
    // The cut-away: passage from the entrance up to the burial chamber.
    c.noPen();
    c.brush(QColor(90, 60, 40));
    c.polygon(
        QPolygonF({QPointF(300, 470), QPointF(470, 372), QPointF(470, 392), QPointF(306, 492)}));
    c.pen(Ink, 2);
    c.brush(QColor(70, 45, 30));
    c.rect(QRectF(455, 320, 120, 80));
    c.noPen();
    c.brush(QColor(230, 180, 50)); // the king's coffin
    c.roundRect(QRectF(480, 358, 70, 30), 8);
    callout(c, QPointF(540, 340), QPointF(760, 290), QStringLiteral("burial chamber"));
    callout(c, QPointF(390, 428), QPointF(240, 330), QStringLiteral("passage"));
    callout(c, QPointF(303, 482), QPointF(170, 700), QStringLiteral("entrance"));
}

void stoneBoat(Canvas& c, Medium) {
    c.image(QRectF(0, 0, 1000, 330), sunsetSky());
    c.noPen();
    c.brush(SandLight);
    c.rect(QRectF(0, 330, 1000, 420));
    c.brush(River);
    c.rect(QRectF(0, 520, 1000, 230));
    c.brush(QColor(190, 150, 100)); // the quarry face
    c.polygon(QPolygonF({QPointF(0, 180), QPointF(260, 150), QPointF(330, 470), QPointF(0, 470)}));
    c.pen(Ink, 1.5);
    for (double y : {250.0, 330.0, 410.0})
        c.line(QPointF(20, y), QPointF(280 + (y - 250) / 4, y));
    worker(c, QPointF(420, 480), 190, -6);
    c.pen(QColor(200, 110, 50), 7); // a copper chisel against the rock
    c.line(QPointF(370, 350), QPointF(318, 360));
    // The boat with its block.
    c.pen(Ink, 2);
    c.brush(Wood);
    c.polygon(
        QPolygonF({QPointF(520, 560), QPointF(940, 560), QPointF(880, 620), QPointF(580, 620)}));
    block(c, QRectF(640, 480, 180, 80));
    c.pen(Wood, 6);
    c.line(QPointF(600, 560), QPointF(600, 380));
    c.pen(Ink, 1);
    c.brush(QColor(250, 245, 230));
    c.polygon(QPolygonF({QPointF(604, 390), QPointF(700, 470), QPointF(604, 470)}));
    c.noBrush();
    c.pen(QColor(230, 240, 255), 3);
    for (double x : {120.0, 300.0, 460.0})
        c.arc(QRectF(x, 640, 80, 40), QPointF(x + 80, 660), QPointF(x, 660));
    callout(c, QPointF(330, 358), QPointF(220, 80), QStringLiteral("copper chisel"));
    callout(c, QPointF(110, 420), QPointF(150, 520), QStringLiteral("quarry"));
    callout(c, QPointF(760, 600), QPointF(740, 700), QStringLiteral("boat on the Nile"));
}

void rampAndSled(Canvas& c, Medium) {
    desert(c, 420);
    // A pyramid half built, layer by layer.
    for (int layer = 0; layer < 5; ++layer) {
        const double y = 600 - layer * 60, inset = layer * 70;
        for (double x = 480 + inset; x < 960 - inset - 1; x += 80)
            block(c, QRectF(x, y, 80, 60));
    }
    // The ramp of sand, hatched like packed earth.
    const QPolygonF ramp(
        {QPointF(60, 660), QPointF(550, 360), QPointF(620, 360), QPointF(620, 660)});
    c.pen(Ink, 2);
    c.brush(SandDark);
    c.polygon(ramp);
    c.sheet().out().setBackColor(SandDark);
    c.hatch(QColor(170, 120, 60), U_HS_FDIAGONAL);
    c.polygon(ramp);
    // The sled on its reed mat, pulled up by a rope.
    c.brush(Wood);
    c.polygon(
        QPolygonF({QPointF(250, 560), QPointF(370, 487), QPointF(380, 503), QPointF(262, 576)}));
    block(c, QRectF(270, 470, 90, 70));
    c.pen(QColor(120, 90, 40), 3);
    c.line(QPointF(372, 492), QPointF(560, 330));
    for (int i = 0; i < 3; ++i) { // pullers standing on the ramp's slope
        const double x = 420 + i * 50;
        worker(c, QPointF(x, 660 - 0.612 * (x - 60)), 120, 25);
    }
    c.slantedLabel(QPointF(180, 650), QStringLiteral("ramp of sand"), 9, Ink, 31);
    callout(c, QPointF(300, 545), QPointF(200, 380), QStringLiteral("wooden sled"));
    callout(c, QPointF(760, 430), QPointF(830, 330), QStringLiteral("layer by layer"));
}

void buildingSteps(Canvas& c, Medium) {
    const QString steps[] = {
        QStringLiteral("Choose a site"),     QStringLiteral("Level the ground"),
        QStringLiteral("Mark out the base"), QStringLiteral("Cut the stone"),
        QStringLiteral("Move the stone"),    QStringLiteral("Build in layers")};
    for (int i = 0; i < 6; ++i) {
        const double x = 40 + (i % 2) * 490, y = 40 + (i / 2) * 240;
        c.pen(StoneShade, 3);
        c.brush(i == 5 ? QColor(255, 230, 170) : QColor(255, 246, 225));
        c.roundRect(QRectF(x, y, 430, 170), 24);
        c.noPen();
        c.brush(QColor(196, 128, 36));
        const QRectF disc(x + 16, y + 37, 96, 96);
        c.ellipse(disc);
        c.labelIn(disc.adjusted(14, 14, -14, -14), QString::number(i + 1), 12, Qt::white);
        c.labelIn(QRectF(x + 114, y + 20, 312, 130), steps[i], 7, Ink);
        c.pen(StoneShade, 4);
        if (i % 2 == 0) c.line(QPointF(x + 435, y + 85), QPointF(x + 485, y + 85));
        if (i % 2 == 1 && i < 5)
            c.polyline(QPolygonF({QPointF(x + 215, y + 175), QPointF(x + 215, y + 205),
                                  QPointF(x - 275, y + 205), QPointF(x - 275, y + 235)}));
    }
}

void activityLabels(Canvas& c, Medium) {
    desert(c, 450);
    c.pen(Ink, 2);
    c.brush(StoneLit);
    c.polygon(QPolygonF({QPointF(420, 560), QPointF(640, 260), QPointF(860, 560)}));
    worker(c, QPointF(300, 600), 110, 20);
    c.brush(Wood);
    c.rect(QRectF(140, 585, 130, 20));
    block(c, QRectF(150, 525, 100, 60));
    block(c, QRectF(880, 600, 90, 60)); // a stone being shaped
    // One empty box for each of the four labels the pupils drag.
    c.dashedPen(QColor(200, 40, 40));
    c.brush(Qt::white);
    const QRectF boxes[] = {QRectF(30, 40, 280, 90), QRectF(380, 40, 280, 90),
                            QRectF(690, 160, 280, 90), QRectF(690, 300, 280, 90)};
    const QPointF targets[] = {QPointF(200, 555), QPointF(640, 300), QPointF(780, 480),
                               QPointF(925, 610)};
    for (int i = 0; i < 4; ++i) {
        c.rect(boxes[i]);
        c.line(QPointF(boxes[i].center().x(), boxes[i].bottom()), targets[i]);
    }
    for (const QRectF& box : boxes)
        c.labelIn(box.adjusted(4, 4, -4, -4), QStringLiteral("?"), 16, QColor(200, 40, 40));
}

void quizScroll(Canvas& c, Medium) {
    c.pen(Ink, 2);
    c.brush(QColor(244, 228, 180));
    c.rect(QRectF(200, 60, 600, 630));
    c.brush(QColor(214, 190, 130));
    c.ellipse(QRectF(170, 30, 660, 60));
    c.ellipse(QRectF(170, 660, 660, 60));
    for (int i = 0; i < 5; ++i) {
        const double y = 150 + i * 110;
        c.pen(QColor(40, 140, 60), 10); // a tick
        c.polyline(QPolygonF({QPointF(260, y), QPointF(290, y + 30), QPointF(350, y - 35)}));
        c.pen(QColor(120, 100, 70), 5);
        c.line(QPointF(390, y), QPointF(720 - i * 30, y));
    }
    c.pen(Ink, 2);
    c.brush(QColor(250, 200, 40));
    // A score wheel, nine parts in ten gold, drawn anticlockwise from one radius to the other.
    c.pie(QRectF(700, 520, 180, 180), QPointF(790, 520), QPointF(843, 537));
    c.brush(QColor(240, 240, 240));
    c.pie(QRectF(700, 520, 180, 180), QPointF(843, 537), QPointF(790, 520));
}

} // namespace av::pages
