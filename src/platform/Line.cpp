#include "Line.h"

#include <QPainter>
#include <algorithm>

namespace av {

Line::Line(QWidget* parent) : Control<QWidget>(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(float x1, float y1, float x2, float y2) {
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    place();
}

void Line::setLineColor(const QColor& color) {
    m_color = color;
    update();
}

void Line::setPixelWidth(int width) {
    m_width = std::max(1, width);
    place();
}

void Line::place() {
    // The widget covers the line's bounding box widened by the pen on every side.
    const float pad = static_cast<float>(m_width) * TwipsPerPixel;
    const float left = std::min(m_x1, m_x2) - pad;
    const float top = std::min(m_y1, m_y2) - pad;
    setBounds(left, top, std::abs(m_x2 - m_x1) + 2 * pad, std::abs(m_y2 - m_y1) + 2 * pad);
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(m_color, m_width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPointF origin(toPixels(Left()), toPixels(Top()));
    painter.drawLine(QPointF(m_x1 / TwipsPerPixel, m_y1 / TwipsPerPixel) - origin,
                     QPointF(m_x2 / TwipsPerPixel, m_y2 / TwipsPerPixel) - origin);
}

} // namespace av
