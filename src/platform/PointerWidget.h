#pragma once

#include "Control.h"
#include "MouseArgs.h"

#include <QWidget>

namespace av {

// A drawn widget that reports the pointer as the handlers want it. A widget pressed on keeps
// every move and the release until the button is let go (Qt's implicit grab).
class PointerWidget : public Control<QWidget> {
    Q_OBJECT
  public:
    explicit PointerWidget(QWidget* parent = nullptr);

    // Performs the click as a press and release would (used by assistive technology too).
    void click() { emit clicked(); }

  signals:
    void mouseDown(const av::MouseArgs& args);
    void mouseMove(const av::MouseArgs& args);
    void mouseUp(const av::MouseArgs& args);
    void clicked();
    // Pressed and let go with the left button without moving more than a few pixels.
    void tapped();
    // Enter or Space while the widget has the keyboard focus.
    void activated();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Whether the widget has the focus and the keyboard is in use, so it shows its focus.
    bool showsFocus() const;
    // What Enter or Space does besides telling the handlers; a command label clicks.
    virtual void keyActivated() {}

  private:
    bool m_pressedInside = false;
    QPointF m_pressedAt;
};

} // namespace av
