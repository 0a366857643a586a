#include "CoveredWindows.h"

#include <QBackingStore>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace av::covered {
namespace {

const QString WatcherName = QStringLiteral("redrawOnExpose");

// Qt answers an exposure of a window with nothing to redraw by showing its copy as it is; a
// copy let go would show nothing of the window. The whole window is marked for redrawing
// first, so that the exposure draws it afresh.
class RedrawOnExpose : public QObject {
  public:
    explicit RedrawOnExpose(QWidget& window) : QObject(&window), m_window(&window) {
        setObjectName(WatcherName);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && m_window && !holdsCopy(*m_window))
            m_window->update();
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> m_window;
};

} // namespace

bool holdsCopy(const QWidget& window) {
    const QBackingStore* store = window.backingStore();
    return store && store->size() == window.size();
}

void letGoOfCopy(QWidget& window) {
    QBackingStore* store = window.backingStore();
    QWindow* handle = window.windowHandle();
    if (!store || !handle || !holdsCopy(window)) return;
    // Found by name: without a meta-object of its own, a cast would take any child for it.
    if (!window.findChild<QObject*>(WatcherName, Qt::FindDirectChildrenOnly))
        handle->installEventFilter(new RedrawOnExpose(window));
    // The smallest copy there is; the next paint sizes it to the window again.
    store->resize(QSize(1, 1));
}

} // namespace av::covered
