#pragma once

#include <QPainter>
#include <QPointF>

namespace av::datatree {

enum class Pose { Standing, Pulling, Kneeling, Pointing };

// A workman in a linen kilt; `feet` is the ground point, `height` his standing height.
void paintWorker(QPainter& p, QPointF feet, qreal height, Pose pose, bool facingRight);

// The point of the hand that holds a rope, for drawing the rope through it.
QPointF ropeHand(QPointF feet, qreal height, bool facingRight);

// A priest in a long robe and leopard-skin sash, pointing and holding a staff.
void paintPriest(QPainter& p, QPointF feet, qreal height, bool facingRight);

// A squared stone block seen from the front and a little above and to the right.
void paintBlock(QPainter& p, QPointF bottomLeft, qreal width, qreal height, qreal depth);

// A wooden sled of two runners with a block lashed on; `bottomLeft` is the runner's tail.
void paintSledWithBlock(QPainter& p, QPointF bottomLeft, qreal length);

// A river barge with rowers and a steering oar, carrying a block on its sled.
void paintBarge(QPainter& p, QPointF waterline, qreal length);

} // namespace av::datatree
