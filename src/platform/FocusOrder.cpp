#include "FocusOrder.h"

#include "Buttons.h"

#include <QAbstractButton>
#include <QPainter>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>

namespace av {
namespace {

QPoint placeIn(const QWidget* w, const QWidget& window) {
    return w->mapTo(&window, QPoint(0, 0));
}

// Qt takes the Tab focus from the options of a group that are not chosen; here the group is
// told apart below instead, so every option the keyboard may reach counts.
bool takesTab(const QWidget* w, const QWidget& window) {
    const auto* option = qobject_cast<const OptionButton*>(w);
    const bool tab = option ? option->keyboardReachable() : bool(w->focusPolicy() & Qt::TabFocus);
    return tab && !w->isWindow() && w->isEnabled() && w->isVisibleTo(&window);
}

bool isOption(const QWidget* w) {
    const auto* option = qobject_cast<const QRadioButton*>(w);
    return option && option->autoExclusive();
}

// The option that stands for its group: the chosen one, else the first in reading order.
bool standsForGroup(const QWidget* w, const QList<QWidget*>& ordered) {
    const QWidget* parent = w->parentWidget();
    const QWidget* first = nullptr;
    for (const QWidget* other : ordered) {
        if (!isOption(other) || other->parentWidget() != parent) continue;
        if (static_cast<const QAbstractButton*>(other)->isChecked()) return other == w;
        if (!first) first = other;
    }
    return first == w;
}

} // namespace

void sortByReadingOrder(QList<QWidget*>& widgets, const QWidget& window) {
    std::stable_sort(widgets.begin(), widgets.end(), [&window](QWidget* a, QWidget* b) {
        const QPoint pa = placeIn(a, window);
        const QPoint pb = placeIn(b, window);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
}

QList<QWidget*> readingOrder(const QWidget& window) {
    QList<QWidget*> stops;
    for (QWidget* w : window.findChildren<QWidget*>())
        if (takesTab(w, window)) stops.append(w);
    sortByReadingOrder(stops, window);
    QList<QWidget*> order;
    for (QWidget* w : std::as_const(stops))
        if (!isOption(w) || standsForGroup(w, stops)) order.append(w);
    return order;
}

void drawFocusOutline(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect).adjusted(3, 3, -3, -3));
    painter.restore();
}

} // namespace av
