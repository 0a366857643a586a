#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

namespace av::bench {

// Times a command from its start to the first frame of a window it changes: the first paint of
// any widget in that window, once the repaint that holds it has been flushed to the display.
class FrameClock : public QObject {
    Q_OBJECT
  public:
    FrameClock();

    // Milliseconds from running command to the window's next frame; negative when no frame
    // came within two seconds. With shown, the first frame after which it holds: a page window
    // counts from the frame that shows its page, not one where the page is still being drawn.
    double time(const std::function<void()>& command, const QString& window,
                const std::function<bool()>& shown = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QElapsedTimer m_clock;
    QString m_window;
    std::function<bool()> m_shown;
    bool m_armed = false;
    double m_frameAt = -1;
};

// Lets the program run its pending events and timers for a while, as between two clicks.
void settle(int ms);

} // namespace av::bench
