#include "FirstInput.h"

#include <QCoreApplication>
#include <QEvent>
#include <utility>

namespace av {

FirstInput::FirstInput(std::function<void()> work) : m_work(std::move(work)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool FirstInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::ShortcutOverride: // a key, asked about before it is pressed
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        if (m_work) {
            // Seen before the window gets it, so what the input asks for finds the work begun.
            QCoreApplication::instance()->removeEventFilter(this);
            std::exchange(m_work, nullptr)();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace av
