#pragma once

#include "Control.h"

#include <QFrame>
#include <QMouseEvent>

namespace av {

// A container with an etched outline; its children are placed inside it.
class Frame : public Control<QFrame> {
    Q_OBJECT
  public:
    explicit Frame(QWidget* parent = nullptr);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
};

} // namespace av
