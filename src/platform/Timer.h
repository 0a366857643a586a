#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace av {

// Ticks every interval on the user-interface thread while enabled; a handler that wants one
// tick disables it.
class Timer : public QObject {
    Q_OBJECT
  public:
    explicit Timer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int ms);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);

  signals:
    void tick();

  private:
    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

} // namespace av
