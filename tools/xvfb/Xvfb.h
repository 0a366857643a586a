#pragma once

#include <QSize>
#include <QString>
#include <sys/types.h>

namespace av::xvfb {

// A private X server (Xvfb) with one screen of a given size, for timing on a real display.
// It is stopped when this object goes.
class Xvfb {
  public:
    explicit Xvfb(QSize screen);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    bool isRunning() const { return m_pid > 0; }
    // ":N", for DISPLAY.
    QString display() const { return m_display; }
    QString error() const { return m_error; }

  private:
    pid_t m_pid = -1;
    QString m_display;
    QString m_error;
};

// The display to time on: VELMORA_BENCH_DISPLAY when set, else a private Xvfb of that size
// (owned is set to it). Empty when there is none.
QString displayOrXvfb(Xvfb*& owned, QSize screen);

} // namespace av::xvfb
