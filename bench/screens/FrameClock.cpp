#include "FrameClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace av::bench {

FrameClock::FrameClock() {
    m_clock.start();
    QCoreApplication::instance()->installEventFilter(this);
}

bool FrameClock::eventFilter(QObject* watched, QEvent* event) {
    if (m_armed && event->type() == QEvent::Paint && watched->isWidgetType()) {
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window && window->objectName() == m_window) {
            m_armed = false;
            // The repaint manager flushes when its sync returns; this runs after that.
            QTimer::singleShot(0, this, [this] {
                if (!m_shown || m_shown())
                    m_frameAt = double(m_clock.nsecsElapsed()) / 1e6;
                else
                    m_armed = true;
            });
        }
    }
    return false;
}

double FrameClock::time(const std::function<void()>& command, const QString& window,
                        const std::function<bool()>& shown) {
    m_window = window;
    m_shown = shown;
    m_frameAt = -1;
    m_armed = true;
    const double start = double(m_clock.nsecsElapsed()) / 1e6;
    command();
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(2000);
    while (m_frameAt < 0 && deadline.isActive())
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    m_armed = false;
    m_shown = {};
    return m_frameAt < 0 ? -1 : m_frameAt - start;
}

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace av::bench
