#pragma once

#include <QList>

class QPainter;
class QRect;
class QWidget;

namespace av {

// Tab stops of a window in reading order: top to bottom, and left to right within a row.
// Only shown, enabled widgets that take Tab count; of a group of option buttons only the
// chosen one (or, with none chosen, the first) stands in the order, the arrows do the rest.
QList<QWidget*> readingOrder(const QWidget& window);

// Sorts widgets of one window into reading order.
void sortByReadingOrder(QList<QWidget*>& widgets, const QWidget& window);

// The keyboard focus ring: a light line outside a dark one, so one of them shows on every
// background, drawn just inside the rectangle given.
void drawFocusOutline(QPainter& painter, const QRect& rect);

} // namespace av
