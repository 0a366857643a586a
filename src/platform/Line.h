#pragma once

#include "Control.h"

#include <QWidget>

namespace av {

// A straight line between two points in its parent's twips; it takes no pointer input.
class Line : public Control<QWidget> {
    Q_OBJECT
  public:
    explicit Line(QWidget* parent = nullptr);

    void setEnds(float x1, float y1, float x2, float y2);
    void setLineColor(const QColor& color);
    void setPixelWidth(int width);

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    QColor lineColor() const { return m_color; }
    int pixelWidth() const { return m_width; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void place();

    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    QColor m_color = Qt::black;
    int m_width = 1;
};

} // namespace av
