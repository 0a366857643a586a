#include "GuardedApplication.h"

#include <QDebug>
#include <exception>

namespace av {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        qWarning("Ancient Velmora: a command stopped: %s", e.what());
    }
    return false;
}

} // namespace av
