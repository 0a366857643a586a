#include "wmf/Player.h"

#include <cmath>
#include <cstring>
#include <uwmf.h>

namespace av::wmf {

namespace {

QPolygonF readPoints(const char* data, int count) {
    QPolygonF polygon;
    polygon.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::int16_t xy[2];
        std::memcpy(xy, data + 4 * i, 4);
        polygon.append(QPointF(xy[0], xy[1]));
    }
    return polygon;
}

// Windows gives arc ends as radials from the centre; Qt wants parametric angles.
double radialAngle(const QRectF& box, QPointF point) {
    const QPointF d = point - box.center();
    if (d.isNull()) return 0;
    return std::atan2(-d.y() * box.width(), d.x() * box.height()) * 180.0 / M_PI;
}

} // namespace

void Player::drawShape(const QPainterPath& path, bool fill) {
    if (!affordOutline(outlineLength(path)) || !beginDraw()) return;
    m_painter.setPen(pen());
    m_painter.setBrush(fill ? brush() : QBrush(Qt::NoBrush));
    m_painter.drawPath(path);
    endDraw();
}

void Player::drawPolygon(const QPolygonF& logical, bool closed) {
    const QPolygonF polygon = logicalToDevice().map(logical);
    if (!affordOutline(outlineLength(polygon)) || !beginDraw()) return;
    m_painter.setPen(pen());
    if (closed) {
        m_painter.setBrush(brush());
        m_painter.drawPolygon(polygon,
                              m_dc.polyFillMode == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    } else {
        m_painter.drawPolyline(polygon);
    }
    endDraw();
}

bool Player::shapes(const Record& r) {
    switch (r.type) {
    case U_WMR_LINETO: {
        if (!r.holds(U_SIZE_WMRLINETO)) return true;
        const QPointF to(r.i16(8), r.i16(6));
        drawPolygon(QPolygonF({m_dc.position, to}), false);
        m_dc.position = to;
        return true;
    }
    case U_WMR_POLYLINE:
    case U_WMR_POLYGON: {
        uint16_t count = 0;
        const char* points = nullptr;
        if (!r.holds(U_SIZE_WMRPOLYGON - 2) || r.size < 8u + 4u * r.u16(6)) return true;
        if (!U_WMRPOLYGON_get(r.data, &count, &points)) return true;
        drawPolygon(readPoints(points, count), r.type == U_WMR_POLYGON);
        return true;
    }
    case U_WMR_POLYPOLYGON: {
        if (!r.holds(8)) return true;
        const int polygons = r.u16(6);
        std::size_t at = 8 + 2 * static_cast<std::size_t>(polygons);
        if (!r.holds(at)) return true;
        QPainterPath path;
        path.setFillRule(m_dc.polyFillMode == U_WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        const QTransform t = logicalToDevice();
        for (int i = 0; i < polygons; ++i) {
            const std::size_t count = r.u16(8 + 2 * static_cast<std::size_t>(i));
            if (!r.holds(at + 4 * count)) break;
            path.addPolygon(t.map(readPoints(r.data + at, static_cast<int>(count))));
            path.closeSubpath();
            at += 4 * count;
        }
        drawShape(path, true);
        return true;
    }
    case U_WMR_RECTANGLE:
    case U_WMR_ELLIPSE: {
        if (!r.holds(U_SIZE_WMRRECTANGLE)) return true;
        QPainterPath path;
        const QRectF box = mapRect(r.i16(12), r.i16(10), r.i16(8), r.i16(6));
        r.type == U_WMR_RECTANGLE ? path.addRect(box) : path.addEllipse(box);
        drawShape(path, true);
        return true;
    }
    case U_WMR_ROUNDRECT: {
        if (!r.holds(U_SIZE_WMRROUNDRECT)) return true;
        QPainterPath path;
        const QRectF box = mapRect(r.i16(16), r.i16(14), r.i16(12), r.i16(10));
        path.addRoundedRect(box, std::abs(r.i16(8)) * scaleX() / 2,
                            std::abs(r.i16(6)) * scaleY() / 2);
        drawShape(path, true);
        return true;
    }
    case U_WMR_SETPIXEL: {
        if (!r.holds(U_SIZE_WMRSETPIXEL) || !beginDraw()) return true;
        const QPointF at = map(r.i16(12), r.i16(10));
        const double side = std::max(1.0 / m_pixelsPerDevice, scaleX());
        m_painter.fillRect(QRectF(at, QSizeF(side, side)), color(r.data + 6));
        endDraw();
        return true;
    }
    default:
        return false;
    }
}

bool Player::arcs(const Record& r) {
    if (r.type != U_WMR_ARC && r.type != U_WMR_CHORD && r.type != U_WMR_PIE) return false;
    if (!r.holds(U_SIZE_WMRARC)) return true;
    const QRectF box = mapRect(r.i16(20), r.i16(18), r.i16(16), r.i16(14));
    const double start = radialAngle(box, map(r.i16(12), r.i16(10)));
    const double end = radialAngle(box, map(r.i16(8), r.i16(6)));
    double sweep = end - start;
    while (sweep <= 0)
        sweep += 360; // Windows arcs run counter-clockwise; equal ends close it
    QPainterPath path;
    if (r.type == U_WMR_PIE) {
        path.moveTo(box.center());
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (r.type == U_WMR_CHORD) path.closeSubpath();
    }
    drawShape(path, r.type != U_WMR_ARC);
    return true;
}

bool Player::regions(const Record& r) {
    auto regionAt = [&](int index) -> const RegionSpec* {
        const GdiObject* o = object(index);
        return o ? std::get_if<RegionSpec>(o) : nullptr;
    };
    auto brushAt = [&](int index) -> const BrushSpec* {
        const GdiObject* o = object(index);
        return o ? std::get_if<BrushSpec>(o) : nullptr;
    };
    switch (r.type) {
    case U_WMR_FILLREGION:
    case U_WMR_PAINTREGION:
    case U_WMR_FRAMEREGION:
    case U_WMR_INVERTREGION: {
        const RegionSpec* region = r.holds(8) ? regionAt(r.u16(6)) : nullptr;
        if (!region) return true;
        const QPainterPath path = logicalToDevice().map(region->path);
        if (!affordOutline(outlineLength(path)) || !beginDraw()) return true;
        if (r.type == U_WMR_INVERTREGION) {
            if (m_blendModes) {
                m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
                m_painter.fillPath(path, Qt::white);
            }
        } else if (r.type == U_WMR_PAINTREGION) {
            m_painter.fillPath(path, brush());
        } else if (const BrushSpec* b = r.holds(10) ? brushAt(r.u16(8)) : nullptr) {
            if (r.type == U_WMR_FILLREGION) {
                m_painter.fillPath(path, brush(*b));
            } else if (r.holds(U_SIZE_WMRFRAMEREGION)) {
                const double w = std::abs(r.i16(12)) * scaleX();
                const double h = std::abs(r.i16(10)) * scaleY();
                QPainterPathStroker stroker;
                stroker.setWidth(std::max(w, h) * 2);
                m_painter.fillPath(stroker.createStroke(path).intersected(path), brush(*b));
            }
        }
        endDraw();
        return true;
    }
    default:
        return false;
    }
}

} // namespace av::wmf
