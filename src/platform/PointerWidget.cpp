#include "PointerWidget.h"

#include <QPointer>

namespace av {

PointerWidget::PointerWidget(QWidget* parent) : Control<QWidget>(parent) {
    setMouseTracking(true);
}

void PointerWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_pressedInside = event->button() == Qt::LeftButton;
    emit mouseDown(mouseArgs(*event));
}

void PointerWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMove(mouseArgs(*event));
}

void PointerWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // A handler may close the window; keep track of whether this widget survives.
    QPointer<PointerWidget> self(this);
    const bool wasPressed = m_pressedInside && event->button() == Qt::LeftButton;
    m_pressedInside = false;
    const bool inside = rect().contains(event->position().toPoint());
    emit mouseUp(mouseArgs(*event));
    if (self && wasPressed && inside && isEnabled()) emit clicked();
}

} // namespace av
