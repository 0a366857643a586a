#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace av::datatree {

// Width of numeral sign `place` (0..5) relative to its height, so tallies can be packed.
qreal numeralSignAspect(int place);

// Draws numeral sign `place` filling `cell` (keep the cell at the sign's aspect).
void paintNumeralSign(QPainter& p, int place, const QRectF& cell, QColor ink);

// Picture-writing signs for carved walls and scrolls.
inline constexpr int kHieroglyphCount = 9;
void paintHieroglyph(QPainter& p, int sign, const QRectF& cell, QColor ink, QColor fill);

} // namespace av::datatree
