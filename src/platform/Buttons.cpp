#include "Buttons.h"

#include "Window.h"

namespace av {

bool keyboardInUse(const QWidget& widget) {
    const auto* w = qobject_cast<const Window*>(widget.window());
    return w && w->showsFocus();
}

void markKeyboardInUse(QWidget& widget) {
    if (auto* w = qobject_cast<Window*>(widget.window())) w->markKeyboardInUse();
}

QList<OptionButton*> OptionButton::keyboardGroup() const {
    QList<QWidget*> members;
    const QWidget* parent = parentWidget();
    if (!parent) return {};
    for (OptionButton* option : parent->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
        if (option->keyboardReachable() && option->isEnabled() && option->isVisibleTo(parent))
            members.append(option);
    sortByReadingOrder(members, *window());
    QList<OptionButton*> group;
    for (QWidget* w : std::as_const(members))
        group.append(static_cast<OptionButton*>(w));
    return group;
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    const bool activation = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!m_reachable && activation) {
        // Not for the keyboard: neither Space nor Enter chooses it.
        event->ignore();
        return;
    }
    if (step == 0) {
        ButtonControl<QRadioButton>::keyPressEvent(event);
        return;
    }
    event->accept();
    markKeyboardInUse(*this);
    const QList<OptionButton*> group = keyboardGroup();
    if (group.isEmpty()) return;
    const qsizetype n = group.size();
    const qsizetype at = group.indexOf(this);
    OptionButton* next =
        at < 0 ? (step > 0 ? group.first() : group.last()) : group.at((at + n + step) % n);
    next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
}

} // namespace av
