#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace av::datatree {

// Shared colours so the pictures look like one set.
namespace palette {
inline const QColor ink{60, 38, 20};
inline const QColor sand{226, 190, 120};
inline const QColor sandDark{196, 150, 84};
inline const QColor stoneLit{236, 210, 150};
inline const QColor stoneShade{170, 128, 74};
inline const QColor skin{178, 112, 64};
inline const QColor linen{246, 240, 222};
inline const QColor gold{236, 186, 48};
inline const QColor lapis{38, 74, 160};
inline const QColor nile{52, 120, 170};
inline const QColor leaf{58, 128, 52};
inline const QColor writing{70, 40, 20};
} // namespace palette

QPen outlinePen(qreal width, QColor colour = palette::ink);

void paintSky(QPainter& p, const QRectF& area, QColor top, QColor bottom);
void paintSun(QPainter& p, QPointF centre, qreal radius, QColor core);
void paintCloud(QPainter& p, QPointF centre, qreal width);

// Desert from `horizon` to the bottom of `area`, with a few dune crests.
void paintDesert(QPainter& p, const QRectF& area, qreal horizon, int seed);

// A finished pyramid standing on `base` (middle of its base line): a sunlit and a shaded
// face, courses of stone and a gilded capstone.
void paintPyramid(QPainter& p, QPointF base, qreal width, qreal height, bool courses = true);

void paintPalm(QPainter& p, QPointF foot, qreal height, qreal lean);

// A band of water between two edges, lighter near the top, with ripple strokes.
void paintWater(QPainter& p, const QPolygonF& area, int seed);

// A carved-looking double border, for the pictures that are plaques or pages.
void paintBorder(QPainter& p, const QRectF& area, QColor colour, qreal width);

// Serif lettering at a size in pixels, so text is the same size on any screen.
QFont labelFont(int pixels, bool bold);

// A sheet of papyrus with a border, filling `size`.
void paintPapyrus(QPainter& p, const QSizeF& size);

} // namespace av::datatree
