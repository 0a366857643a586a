#include "IllustrationParts.h"

#include <cmath>

namespace av::pages {
namespace {

const QColor Screen(0, 78, 152);
const QColor Yellow(255, 255, 0);
const QColor Navy(0, 0, 128);

// A link label as the program draws it: yellow text on a dark box.
void link(Canvas& c, const QRectF& r, const QString& text, const QColor& back = Qt::black) {
    c.pen(QColor(200, 200, 200), 1);
    c.brush(back);
    c.rect(r);
    c.label(QPointF(r.center().x(), r.center().y() + 10), text, 5.5, Yellow);
}

void window(Canvas& c, const QRectF& r) {
    c.pen(Ink, 2);
    c.brush(QColor(200, 200, 200));
    c.rect(r.adjusted(0, -40, 0, 0));
    c.brush(Screen);
    c.rect(r);
}

} // namespace

void menuMap(Canvas& c, Medium) {
    window(c, QRectF(20, 60, 960, 670));
    c.label(QPointF(500, 120), QStringLiteral("Ancient Velmora"), 14, Yellow, true,
            QStringLiteral("Times New Roman"));
    link(c, QRectF(40, 160, 260, 50), QStringLiteral("Teachers' Guide"), Navy);
    for (int i = 0; i < 6; ++i) {
        link(c, QRectF(40, 250 + i * 60, 260, 40), QString());
        link(c, QRectF(315, 250 + i * 60, 280, 40),
             i == 0   ? QStringLiteral("The Pyramids")
             : i == 1 ? QStringLiteral("Words and Numbers")
                      : QString());
    }
    link(c, QRectF(40, 640, 260, 50), QStringLiteral("Acknowledgments"), Navy);
    c.pen(Ink, 1);
    c.brush(QColor(49, 135, 214));
    c.rect(QRectF(620, 160, 340, 260));
    c.noPen();
    c.brush(StoneLit);
    c.polygon(QPolygonF({QPointF(660, 400), QPointF(790, 220), QPointF(920, 400)}));
    link(c, QRectF(610, 500, 360, 50), QStringLiteral("Multiple Choice Wizard"), Navy);
    link(c, QRectF(610, 570, 360, 50), QStringLiteral("Worksheet Catalogue"), Navy);
    link(c, QRectF(860, 640, 100, 50), QStringLiteral("Exit"));
}

void topicMap(Canvas& c, Medium) {
    window(c, QRectF(20, 60, 960, 670));
    c.label(QPointF(230, 130), QStringLiteral("The Pyramids"), 10, Yellow, true,
            QStringLiteral("Times New Roman"));
    link(c, QRectF(530, 90, 170, 50), QStringLiteral("Key Facts"));
    link(c, QRectF(720, 90, 250, 50), QStringLiteral("Teacher's Notes"));
    c.pen(Ink, 2);
    c.image(QRectF(250, 170, 500, 380), sunsetSky());
    c.brush(StoneLit);
    c.polygon(QPolygonF({QPointF(330, 550), QPointF(500, 290), QPointF(670, 550)}));
    link(c, QRectF(30, 650, 270, 50), QStringLiteral("Multiple Choice"));
    link(c, QRectF(310, 650, 290, 50), QStringLiteral("Labelling Activity"));
    link(c, QRectF(610, 650, 275, 50), QStringLiteral("Ordering Activity"));
    link(c, QRectF(893, 650, 80, 50), QStringLiteral("Exit"));
}

void certificate(Canvas& c, Medium) {
    c.pen(QColor(150, 110, 30), 8);
    c.brush(QColor(255, 250, 230));
    c.rect(QRectF(60, 40, 880, 670));
    c.pen(QColor(150, 110, 30), 2);
    c.noBrush();
    c.rect(QRectF(90, 70, 820, 610));
    c.label(QPointF(500, 170), QStringLiteral("Certificate"), 20, QColor(120, 80, 10), true,
            QStringLiteral("Times New Roman"));
    c.label(QPointF(500, 260), QStringLiteral("awarded to"), 10, Ink, false,
            QStringLiteral("Times New Roman"));
    c.dashedPen(Ink);
    c.line(QPointF(250, 350), QPointF(750, 350));
    c.label(QPointF(500, 430), QStringLiteral("for full marks in"), 10, Ink, false,
            QStringLiteral("Times New Roman"));
    c.label(QPointF(500, 500), QStringLiteral("The Pyramids"), 12, QColor(0, 0, 128), true,
            QStringLiteral("Times New Roman"));
    c.pen(QColor(160, 30, 30), 2);
    c.brush(QColor(200, 40, 40)); // the seal, with ribbon tails cut as chords
    c.chord(QRectF(740, 520, 140, 140), QPointF(880, 590), QPointF(740, 590));
    c.brush(QColor(220, 60, 60));
    c.ellipse(QPointF(810, 560), 72, 72);
    c.label(QPointF(810, 574), QStringLiteral("10/10"), 8, Qt::white);
}

void wizardForm(Canvas& c, Medium) {
    window(c, QRectF(20, 60, 960, 670));
    c.label(QPointF(280, 125), QStringLiteral("Multiple Choice Wizard"), 8, Yellow);
    c.pen(Ink, 1);
    c.brush(Qt::white);
    c.rect(QRectF(560, 90, 400, 45)); // the title box
    c.label(QPointF(760, 122), QStringLiteral("Pyramids Year 4"), 8, Ink, false);
    for (int q = 0; q < 2; ++q) { // two of the ten question blocks
        const double x = 50 + q * 470;
        c.label(QPointF(x + 80, 200), QStringLiteral("Question %1").arg(q + 1), 8, Yellow);
        c.pen(Ink, 1);
        c.brush(Qt::white);
        c.rect(QRectF(x, 220, 430, 45));
        for (int i = 0; i < 4; ++i) {
            const double y = 290 + i * 70;
            c.label(QPointF(x + 20, y + 32), QString(QChar(u'A' + i)) + QLatin1Char('.'), 8,
                    Yellow);
            c.pen(Ink, 1);
            c.brush(Qt::white);
            c.rect(QRectF(x + 50, y, 310, 45));
            c.rect(QRectF(x + 380, y + 6, 34, 34));
            if (i == (q == 0 ? 1 : 3)) { // the ticked correct answer
                c.pen(QColor(40, 140, 60), 6);
                c.polyline(QPolygonF({QPointF(x + 385, y + 24), QPointF(x + 396, y + 36),
                                      QPointF(x + 411, y + 10)}));
            }
        }
    }
    link(c, QRectF(40, 650, 280, 50), QStringLiteral("Save Worksheet"));
    link(c, QRectF(860, 650, 100, 50), QStringLiteral("Exit"));
}

void printerAndSound(Canvas& c, Medium) {
    c.pen(Ink, 3); // a printer with a page coming out
    c.brush(QColor(210, 210, 215));
    c.roundRect(QRectF(60, 260, 460, 220), 30);
    c.brush(Qt::white);
    c.rect(QRectF(140, 120, 300, 150));
    c.rect(QRectF(140, 420, 300, 260));
    c.pen(QColor(120, 120, 120), 4);
    for (int i = 0; i < 5; ++i)
        c.line(QPointF(180, 480 + i * 40), QPointF(400 - (i % 2) * 60, 480 + i * 40));
    c.pen(Ink, 3); // a loudspeaker with its sound waves
    c.brush(QColor(60, 60, 70));
    c.polygon(QPolygonF({QPointF(600, 320), QPointF(660, 320), QPointF(740, 240), QPointF(740, 520),
                         QPointF(660, 440), QPointF(600, 440)}));
    c.noBrush();
    c.pen(QColor(40, 110, 190), 8);
    for (int i = 1; i <= 3; ++i) {
        const double r = 50.0 * i;
        c.arc(QRectF(760 - r, 380 - r, 2 * r, 2 * r), QPointF(760 + r, 380 + r),
              QPointF(760 + r, 380 - r));
    }
}

} // namespace av::pages
