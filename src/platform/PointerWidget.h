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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressedInside = false;
};

} // namespace av
