#include "IllustrationParts.h"

#include <cmath>
#include <numbers>

namespace av::pages {
namespace {

const QColor Navy(12, 48, 104);
const QColor Gold(246, 190, 40);

// Where the viewer puts its two logo boxes, in the panel's own units (twips from the panel's
// corner at (8400, 1200) of the page, which the viewer shows at (120, 0)).
const QRectF AnimationBox(8760 - 120 - 8400, 3840 - 1200, 1800, 1800);
const QRectF StillBox(8790 - 120 - 8400, 5760 - 1200, 1800, 1335);

// The emblem in vector form for paper: sun, rays, pyramid and sand inside a gold ring.
void emblem(Canvas& c, QPointF centre, double r) {
    c.pen(Navy, r * 0.05);
    c.brush(QColor(120, 160, 220));
    c.ellipse(centre, r, r);
    c.noPen();
    c.brush(Gold);
    const QPointF sun = centre + QPointF(0, -r * 0.35);
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const auto p = [&](double k, double da) {
            return sun + QPointF(std::cos(a + da), -std::sin(a + da)) * r * k;
        };
        c.polygon(QPolygonF({p(0.28, -0.12), p(0.46, 0), p(0.28, 0.12)}));
    }
    c.brush(QColor(255, 236, 150));
    c.ellipse(sun, r * 0.22, r * 0.22);
    c.brush(QColor(250, 206, 110));
    c.polygon(QPolygonF({centre + QPointF(0, -r * 0.18), centre + QPointF(-r * 0.72, r * 0.52),
                         centre + QPointF(r * 0.1, r * 0.52)}));
    c.brush(QColor(176, 112, 40));
    c.polygon(QPolygonF({centre + QPointF(0, -r * 0.18), centre + QPointF(r * 0.1, r * 0.52),
                         centre + QPointF(r * 0.72, r * 0.52)}));
    c.pen(Gold, r * 0.08);
    c.noBrush();
    c.ellipse(centre, r * 0.98, r * 0.98);
}

} // namespace

void publisher(Canvas& c, Medium medium) {
    if (medium == Medium::Print) {
        emblem(c, QPointF(500, 300), 250);
        c.label(QPointF(500, 640), QStringLiteral("Marlowind"), 18, Navy, true,
                QStringLiteral("Times New Roman"));
        c.label(QPointF(500, 720), QStringLiteral("LEARNING"), 9, QColor(176, 112, 40));
        return;
    }
    c.pen(QColor(49, 130, 212), 20);
    c.brush(QColor(236, 244, 255));
    c.roundRect(QRectF(40, 120, 2040, 6200), 120);
    c.label(QPointF(1060, 560), QStringLiteral("Published by"), 10, Navy, false,
            QStringLiteral("Arial"));
    c.label(QPointF(1060, 980), QStringLiteral("Marlowind"), 18, Navy, true,
            QStringLiteral("Times New Roman"));
    c.label(QPointF(1060, 1300), QStringLiteral("Learning"), 12, QColor(176, 112, 40), true,
            QStringLiteral("Times New Roman"));
    c.pen(Gold, 30);
    c.line(QPointF(360, 1560), QPointF(1760, 1560));
    // White mounts behind the logo boxes, a little larger, so the logo sits in a frame.
    c.pen(QColor(150, 170, 200), 15);
    c.brush(Qt::white);
    c.rect(AnimationBox.adjusted(-20, -20, 20, 20));
    c.rect(StillBox.adjusted(-20, -20, 15, 20));
}

} // namespace av::pages
