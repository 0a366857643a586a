#pragma once

#include "Sheet.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

namespace av::pages {

// Draws an illustration in its own design units, fitted and centred into a box of the page.
class Canvas {
  public:
    Canvas(Sheet& sheet, const QRectF& box, QSizeF design);

    Sheet& sheet() { return m_sheet; }
    QPoint map(QPointF p) const;
    QRect map(const QRectF& r) const;
    int length(double designUnits) const;

    void pen(const QColor& color, double width = 0);
    void dashedPen(const QColor& color);
    void noPen() { m_sheet.out().nullPen(); }
    void brush(const QColor& color) { m_sheet.out().brush(color); }
    void hatch(const QColor& color, int style) { m_sheet.out().hatchBrush(color, style); }
    void noBrush() { m_sheet.out().nullBrush(); }

    void rect(const QRectF& r) { m_sheet.out().rectangle(map(r)); }
    void roundRect(const QRectF& r, double radius);
    void ellipse(const QRectF& r) { m_sheet.out().ellipse(map(r)); }
    void ellipse(QPointF centre, double rx, double ry);
    void polygon(const QPolygonF& points);
    void polyline(const QPolygonF& points);
    void line(QPointF a, QPointF b);
    // Curved outlines: filled shapes become one poly-polygon, open ones polylines.
    void fill(const QPainterPath& path);
    void stroke(const QPainterPath& path);
    void pie(const QRectF& box, QPointF start, QPointF end);
    void chord(const QRectF& box, QPointF start, QPointF end);
    void arc(const QRectF& box, QPointF start, QPointF end);

    // A label centred on a point (its baseline), size in points.
    void label(QPointF at, const QString& text, double points, const QColor& color,
               bool bold = true, const QString& face = QStringLiteral("Tahoma"));
    // A label centred in a box of the drawing (Tahoma bold): one that runs out of the box is a
    // problem of the page, which fails the build.
    void labelIn(const QRectF& box, const QString& text, double points, const QColor& color);
    // A label on a white ground, for writing over a picture.
    void tag(QPointF at, const QString& text, double points, const QColor& color);
    // The same, turned anticlockwise by `degrees` about its start.
    void slantedLabel(QPointF at, const QString& text, double points, const QColor& color,
                      double degrees);
    void image(const QRectF& r, const QImage& picture) {
        m_sheet.out().stretchDib(map(r), picture);
    }

  private:
    QPolygon mapped(const QPolygonF& points) const;

    Sheet& m_sheet;
    QTransform m_transform;
    double m_scale = 1;
};

} // namespace av::pages
