#include "PointerWidget.h"

#include "Window.h"

#include <QKeyEvent>
#include <QPointer>

namespace av {
namespace {
// How far the pointer may wander between press and release for the two to count as a tap.
constexpr qreal TapSlop = 4;
} // namespace

PointerWidget::PointerWidget(QWidget* parent) : Control<QWidget>(parent) {
    setMouseTracking(true);
}

void PointerWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_pressedInside = event->button() == Qt::LeftButton;
    m_pressedAt = event->globalPosition();
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
    const bool still = (event->globalPosition() - m_pressedAt).manhattanLength() <= TapSlop;
    emit mouseUp(mouseArgs(*event));
    if (self && wasPressed && inside && isEnabled()) emit clicked();
    if (self && wasPressed && still && isEnabled()) emit tapped();
}

void PointerWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activation = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!activation || event->isAutoRepeat() ||
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        event->ignore();
        return;
    }
    event->accept();
    // Until the keyboard is in use here the focus is not shown, and nothing unseen is pressed.
    auto* w = qobject_cast<Window*>(window());
    if (w && !w->showsFocus()) {
        w->markKeyboardInUse();
        return;
    }
    QPointer<PointerWidget> self(this);
    emit activated();
    if (self && isEnabled()) keyActivated();
}

void PointerWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PointerWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

bool PointerWidget::showsFocus() const {
    const auto* w = qobject_cast<const Window*>(window());
    return hasFocus() && w && w->showsFocus();
}

} // namespace av
