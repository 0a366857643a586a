#pragma once

#include <QEvent>
#include <QObject>

namespace av::test {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QObject* watched) { watched->installEventFilter(this); }
    int count() const { return m_count; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++m_count;
        return false;
    }

  private:
    int m_count = 0;
};

} // namespace av::test
