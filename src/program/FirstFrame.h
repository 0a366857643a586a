#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace av {

// Tells once a window's first frame has been handed to the display: its first paint has run
// and the backing store has been flushed. Work that the first frame does not need waits here.
class FirstFrame : public QObject {
    Q_OBJECT
  public:
    explicit FirstFrame(QWidget& window);

    bool isPresented() const { return m_presented; }

  signals:
    void presented();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPointer<QWidget> m_window;
    bool m_painted = false;
    bool m_presented = false;
};

} // namespace av
