#include "Timer.h"

namespace av {

Timer::Timer(QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int ms) {
    m_interval = ms;
    m_timer.setInterval(ms);
    if (m_enabled && ms > 0) m_timer.start();
}

void Timer::setEnabled(bool enabled) {
    m_enabled = enabled;
    // An interval of 0 means the timer never ticks.
    if (enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

} // namespace av
