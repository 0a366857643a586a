#include "Canvas.h"

#include "Typeface.h"

#include <algorithm>
#include <cmath>
#include <uemf.h>

namespace av::pages {

Canvas::Canvas(Sheet& sheet, const QRectF& box, QSizeF design) : m_sheet(sheet) {
    m_scale = std::min(box.width() / design.width(), box.height() / design.height());
    const QPointF offset(box.left() + (box.width() - design.width() * m_scale) / 2,
                         box.top() + (box.height() - design.height() * m_scale) / 2);
    m_transform =
        QTransform::fromScale(m_scale, m_scale) * QTransform::fromTranslate(offset.x(), offset.y());
}

QPoint Canvas::map(QPointF p) const {
    return m_transform.map(p).toPoint();
}

QRect Canvas::map(const QRectF& r) const {
    const QPoint a = map(r.topLeft()), b = map(r.bottomRight());
    return QRect(a, QSize(b.x() - a.x(), b.y() - a.y()));
}

int Canvas::length(double units) const {
    return int(std::lround(units * m_scale));
}

QPolygon Canvas::mapped(const QPolygonF& points) const {
    QPolygon out;
    for (const QPointF& p : points) {
        const QPoint q = map(p);
        if (out.isEmpty() || out.last() != q) out << q;
    }
    return out;
}

void Canvas::pen(const QColor& color, double width) {
    m_sheet.out().pen(color, width > 0 ? std::max(1, length(width)) : 0);
}

void Canvas::dashedPen(const QColor& color) {
    m_sheet.out().pen(color, 0, U_PS_DASH);
}

void Canvas::roundRect(const QRectF& r, double radius) {
    m_sheet.out().roundRect(map(r), length(2 * radius), length(2 * radius));
}

void Canvas::ellipse(QPointF c, double rx, double ry) {
    ellipse(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry));
}

void Canvas::polygon(const QPolygonF& points) {
    m_sheet.out().polygon(mapped(points));
}
void Canvas::polyline(const QPolygonF& points) {
    m_sheet.out().polyline(mapped(points));
}
void Canvas::line(QPointF a, QPointF b) {
    m_sheet.out().line(map(a), map(b));
}

void Canvas::fill(const QPainterPath& path) {
    std::vector<QPolygon> parts;
    for (const QPolygonF& part : path.toSubpathPolygons())
        parts.push_back(mapped(part));
    if (parts.size() == 1)
        m_sheet.out().polygon(parts.front());
    else
        m_sheet.out().polyPolygon(parts);
}

void Canvas::stroke(const QPainterPath& path) {
    for (const QPolygonF& part : path.toSubpathPolygons())
        polyline(part);
}

void Canvas::pie(const QRectF& box, QPointF start, QPointF end) {
    m_sheet.out().pie(map(box), map(start), map(end));
}
void Canvas::chord(const QRectF& box, QPointF start, QPointF end) {
    m_sheet.out().chord(map(box), map(start), map(end));
}
void Canvas::arc(const QRectF& box, QPointF start, QPointF end) {
    m_sheet.out().arc(map(box), map(start), map(end));
}

void Canvas::label(QPointF at, const QString& text, double points, const QColor& color, bool bold,
                   const QString& face) {
    // Labels keep their point size whatever the illustration's scale.
    const WinFont font{face, int(std::lround(points * 20)), bold};
    m_sheet.label(map(at), text, font, color);
}

void Canvas::labelIn(const QRectF& box, const QString& text, double points, const QColor& color) {
    const WinFont font{QStringLiteral("Tahoma"), int(std::lround(points * 20)), true};
    const Typeface face(font);
    const QRect room = map(box);
    const double height = face.ascent() + face.descent();
    const double width = face.width(text);
    if (width > room.width() || height > room.height())
        m_sheet.problems << QStringLiteral("\"%1\" (%2 x %3 twips) runs out of its box (%4 x %5)")
                                .arg(text)
                                .arg(std::lround(width))
                                .arg(std::lround(height))
                                .arg(room.width())
                                .arg(room.height());
    const double baseline = room.top() + (room.height() - height) / 2 + face.ascent();
    m_sheet.label(QPoint(room.center().x(), int(std::lround(baseline))), text, font, color);
}

void Canvas::tag(QPointF at, const QString& text, double points, const QColor& color) {
    const WinFont font{QStringLiteral("Tahoma"), int(std::lround(points * 20)), true};
    m_sheet.label(map(at), text, font, color, QColor(255, 255, 240));
}

void Canvas::slantedLabel(QPointF at, const QString& text, double points, const QColor& color,
                          double degrees) {
    WinFont font{QStringLiteral("Arial"), int(std::lround(points * 20)), true};
    font.escapement = int(std::lround(degrees * 10));
    m_sheet.text(map(at), text, font, color);
}

} // namespace av::pages
