#include "FirstFrame.h"

#include <QEvent>
#include <QTimer>

namespace av {

FirstFrame::FirstFrame(QWidget& window) : QObject(&window), m_window(&window) {
    window.installEventFilter(this);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        m_window->removeEventFilter(this);
        // The paint runs inside the repaint manager's sync, which flushes the backing store
        // before it returns; a zero-time call runs after that flush.
        QTimer::singleShot(0, this, [this] {
            m_presented = true;
            emit presented();
        });
    }
    return false;
}

} // namespace av
