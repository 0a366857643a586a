#include "IllustrationParts.h"

#include <cmath>
#include <numbers>

namespace av::pages {
namespace {

QPointF at(const QRectF& r, double x, double y) {
    return {r.left() + x * r.width(), r.top() + y * r.height()};
}

void ropeCoil(Canvas& c, const QRectF& r) {
    QPolygonF coil;
    for (int i = 0; i <= 48; ++i) {
        const double a = i * 2.6 * std::numbers::pi / 48, k = 0.06 + 0.36 * i / 48.0;
        coil << at(r, 0.5 + std::cos(a) * k, 0.45 + std::sin(a) * k * r.width() / r.height());
    }
    coil << at(r, 0.9, 1.0);
    c.polyline(coil);
}

void lotus(Canvas& c, const QRectF& r) {
    c.line(at(r, 0.5, 0.45), at(r, 0.5, 1.0));
    c.brush(QColor(236, 150, 170));
    for (double dx : {-0.22, 0.22, 0.0}) {
        QPainterPath petal;
        petal.moveTo(at(r, 0.5, 0.5));
        petal.quadTo(at(r, 0.5 + dx * 1.6, 0.35), at(r, 0.5 + dx, 0.04));
        petal.quadTo(at(r, 0.5 + dx * 0.2, 0.3), at(r, 0.5, 0.5));
        c.fill(petal);
    }
}

void eye(Canvas& c, const QRectF& r, const QColor& ink) {
    QPainterPath shape;
    shape.moveTo(at(r, 0.05, 0.5));
    shape.quadTo(at(r, 0.5, 0.05), at(r, 0.95, 0.5));
    shape.quadTo(at(r, 0.5, 0.9), at(r, 0.05, 0.5));
    c.brush(QColor(250, 250, 240));
    c.fill(shape);
    c.brush(ink);
    c.ellipse(at(r, 0.5, 0.48), r.width() * 0.12, r.height() * 0.16);
    c.line(at(r, 0.45, 0.72), at(r, 0.3, 0.95));
}

void sun(Canvas& c, const QRectF& r, const QColor& ink) {
    const QPointF centre = r.center();
    const double radius = r.width() * 0.24;
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const QPointF d(std::cos(a), std::sin(a));
        c.line(centre + d * radius * 1.3, centre + d * radius * 1.95);
    }
    c.brush(QColor(250, 200, 60));
    c.ellipse(centre, radius, radius);
    c.brush(ink);
    c.ellipse(centre, radius * 0.3, radius * 0.3);
}

} // namespace

void numeralSign(Canvas& c, int place, const QRectF& r, const QColor& ink) {
    c.pen(ink, std::max(3.0, r.height() * 0.08));
    c.noBrush();
    switch (place) {
    case 0: // a single reed with its tip leaf
        c.polyline(QPolygonF({at(r, 0.85, 0.0), at(r, 0.5, 0.12), at(r, 0.5, 1.0)}));
        break;
    case 1: { // an arch, like a horseshoe standing up
        QPainterPath arch;
        arch.moveTo(at(r, 0.12, 1.0));
        arch.lineTo(at(r, 0.12, 0.45));
        arch.arcTo(QRectF(at(r, 0.12, 0.05), at(r, 0.88, 0.85)), 180, -180);
        arch.lineTo(at(r, 0.88, 1.0));
        c.stroke(arch);
        break;
    }
    case 2:
        ropeCoil(c, r);
        break;
    case 3:
        lotus(c, r);
        break;
    case 4:
        eye(c, r, ink);
        break;
    default:
        sun(c, r, ink);
        break;
    }
}

// Width of a numeral sign's cell for a given height.
static double signWidth(int place, double height) {
    static const double aspects[] = {0.34, 0.62, 0.9, 0.8, 1.25, 1.0};
    return aspects[place] * height;
}

// Writes a number in signs, biggest first, from `left` on the line `top`; returns the end.
static double writeNumber(Canvas& c, int value, double left, double top, double height,
                          const QColor& ink) {
    std::vector<int> counts;
    for (int v = value; v > 0; v /= 10)
        counts.push_back(v % 10);
    double x = left;
    for (int place = int(counts.size()) - 1; place >= 0; --place)
        for (int i = 0; i < counts[std::size_t(place)]; ++i) {
            numeralSign(c, place, QRectF(x, top, signWidth(place, height), height), ink);
            x += signWidth(place, height) + height * 0.08;
        }
    return x;
}

void writingSign(Canvas& c, int sign, const QRectF& r) {
    const QColor ink(30, 60, 110);
    c.pen(ink, std::max(3.0, r.height() * 0.07));
    c.noBrush();
    switch (sign) {
    case 0:
        eye(c, r, ink);
        break;
    case 1: { // a bird standing
        c.brush(QColor(90, 120, 170));
        QPainterPath bird;
        bird.moveTo(at(r, 0.2, 0.35));
        bird.quadTo(at(r, 0.35, 0.1), at(r, 0.5, 0.35));
        bird.quadTo(at(r, 0.95, 0.45), at(r, 0.85, 0.7));
        bird.lineTo(at(r, 0.35, 0.7));
        bird.quadTo(at(r, 0.25, 0.55), at(r, 0.2, 0.35));
        c.fill(bird);
        c.line(at(r, 0.5, 0.7), at(r, 0.45, 1.0));
        c.line(at(r, 0.62, 0.7), at(r, 0.66, 1.0));
        c.line(at(r, 0.2, 0.3), at(r, 0.05, 0.36));
        break;
    }
    case 2:
        numeralSign(c, 0, r, ink);
        break;
    case 3: { // water: a zigzag
        QPolygonF zig;
        for (int i = 0; i <= 8; ++i)
            zig << at(r, 0.05 + i * 0.1125, i % 2 ? 0.4 : 0.6);
        c.polyline(zig);
        break;
    }
    case 4:
        sun(c, r, ink);
        break;
    default: // a hand, palm down
        c.brush(QColor(200, 140, 90));
        c.polygon(QPolygonF({at(r, 0.05, 0.45), at(r, 0.75, 0.4), at(r, 0.95, 0.5),
                             at(r, 0.75, 0.62), at(r, 0.05, 0.62)}));
        c.line(at(r, 0.45, 0.45), at(r, 0.65, 0.3));
        break;
    }
}

void hieroglyphSigns(Canvas& c, Medium) {
    const QString meanings[] = {QStringLiteral("eye: to see"), QStringLiteral("bird"),
                                QStringLiteral("reed"),        QStringLiteral("water"),
                                QStringLiteral("sun: day"),    QStringLiteral("hand")};
    c.image(QRectF(0, 0, 1000, 750), papyrusTexture());
    for (int i = 0; i < 6; ++i) {
        const double x = 40 + (i % 3) * 320, y = 40 + (i / 3) * 350;
        c.pen(QColor(150, 120, 70), 2);
        c.brush(QColor(250, 240, 210));
        c.roundRect(QRectF(x, y, 280, 310), 20);
        writingSign(c, i, QRectF(x + 60, y + 30, 160, 180));
        c.label(QPointF(x + 140, y + 275), meanings[i], 9, Ink);
    }
}

void paperMaking(Canvas& c, Medium) {
    const QString steps[] = {QStringLiteral("1 Soak"), QStringLiteral("2 Slice"),
                             QStringLiteral("3 Layer"), QStringLiteral("4 Press")};
    for (int i = 0; i < 4; ++i) {
        const QRectF panel(20 + (i % 2) * 490, 20 + (i / 2) * 365, 470, 345);
        c.pen(QColor(20, 90, 100), 3);
        c.brush(QColor(236, 248, 246));
        c.roundRect(panel, 18);
        c.label(QPointF(panel.center().x(), panel.bottom() - 22), steps[i], 11,
                QColor(20, 90, 100));
    }
    c.noPen(); // soak: reeds lying in a trough of water
    c.brush(Wood);
    c.rect(QRectF(70, 140, 370, 140));
    c.brush(River);
    c.rect(QRectF(85, 150, 340, 110));
    c.pen(Reed, 10);
    for (int i = 0; i < 4; ++i)
        c.line(QPointF(100 + i * 20, 240 - i * 18), QPointF(420, 200 - i * 30));
    c.pen(Reed, 14); // slice: strips cut from a stalk
    for (int i = 0; i < 5; ++i)
        c.line(QPointF(560 + i * 70, 90), QPointF(560 + i * 70, 300));
    c.image(QRectF(80, 440, 340, 200), papyrusTexture()); // layer: crossing strips
    c.pen(Ink, 2);
    c.noBrush();
    c.rect(QRectF(80, 440, 340, 200));
    c.brush(QColor(232, 214, 160)); // press: a stone on the sheet
    c.rect(QRectF(560, 600, 380, 40));
    c.brush(QColor(150, 150, 150));
    c.roundRect(QRectF(600, 440, 300, 160), 40);
}

void numeralChart(Canvas& c, Medium) {
    const char* values[] = {"1", "10", "100", "1000", "10 000", "100 000"};
    for (int i = 0; i < 6; ++i) {
        const double x = 30 + (i % 3) * 320, y = 30 + (i / 3) * 250;
        c.pen(QColor(40, 150, 160), 3);
        c.brush(QColor(236, 248, 246));
        c.roundRect(QRectF(x, y, 300, 230), 16);
        const double h = 115, w = signWidth(i, h);
        numeralSign(c, i, QRectF(x + 150 - w / 2, y + 18, w, h), Ink);
        c.label(QPointF(x + 150, y + 212), QString::fromLatin1(values[i]), 11, QColor(10, 90, 100));
    }
    const double end = writeNumber(c, 1020, 80, 560, 120, Ink);
    c.label(QPointF(end + 190, 655), QStringLiteral("= 1020"), 16, QColor(10, 90, 100));
}

void scribeTools(Canvas& c, Medium) {
    c.image(QRectF(60, 80, 620, 560), papyrusTexture());
    c.pen(QColor(150, 120, 70), 3);
    c.noBrush();
    c.rect(QRectF(60, 80, 620, 560));
    for (int i = 0; i < 6; ++i)
        writingSign(c, i, QRectF(110 + (i % 3) * 190, 130 + (i / 3) * 250, 130, 160));
    c.pen(Ink, 2); // the scribe's palette: a board with two ink wells and a brush
    c.brush(Wood);
    c.roundRect(QRectF(760, 120, 140, 520), 20);
    c.brush(Qt::black);
    c.ellipse(QPointF(800, 180), 22, 22);
    c.brush(QColor(200, 40, 30));
    c.ellipse(QPointF(860, 180), 22, 22);
    c.pen(Reed, 12);
    c.line(QPointF(830, 260), QPointF(830, 600));
}

void numeralSum(Canvas& c, Medium) {
    const QColor ink(30, 60, 110);
    double x = writeNumber(c, 17, 50, 130, 100, ink);
    c.label(QPointF(x + 55, 225), QStringLiteral("+"), 24, Ink);
    writeNumber(c, 9, x + 110, 130, 100, ink);
    c.label(QPointF(500, 400), QStringLiteral("17 + 9 = 26"), 16, Ink);
    x = writeNumber(c, 26, 300, 480, 100, ink);
    c.pen(QColor(200, 40, 40), 4);
    c.noBrush();
    c.roundRect(QRectF(260, 450, x - 220, 165), 20);
}

void numeralAnswers(Canvas& c, Medium) {
    const QColor ink(30, 60, 110);
    for (const auto& [value, top] : {std::pair{24, 60.0}, std::pair{1020, 410.0}}) {
        c.pen(QColor(40, 130, 150), 3);
        c.brush(QColor(236, 248, 246));
        c.roundRect(QRectF(30, top, 940, 300), 20);
        const double end = writeNumber(c, value, 70, top + 50, 150, ink);
        c.label(QPointF(std::max(end + 140, 800.0), top + 170), QStringLiteral("= %1").arg(value),
                18, Ink);
    }
}

} // namespace av::pages
