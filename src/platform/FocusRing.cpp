#include "FocusRing.h"

#include "FocusOrder.h"
#include "Window.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

namespace av {

FocusRing::FocusRing(Window& window) : QWidget(&window), m_window(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("focusRing"));
    hide();
}

void FocusRing::follow() {
    QWidget* target = m_window.focusWidget();
    // A text box keeps its outline on its own edge, where it covers no text.
    const bool shown = target && target != &m_window && m_window.showsFocus() &&
                       target->isVisible() && !qobject_cast<QLineEdit*>(target);
    if (target != m_target) {
        if (m_target) m_target->removeEventFilter(this);
        m_target = target;
        if (m_target) m_target->installEventFilter(this);
    }
    if (!shown) {
        hide();
        return;
    }
    const QRect at(target->mapTo(&m_window, QPoint(0, 0)), target->size());
    setGeometry(at.adjusted(-Margin, -Margin, Margin, Margin));
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFocusOutline(painter, rect());
}

} // namespace av
