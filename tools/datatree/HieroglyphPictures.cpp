#include "Glyphs.h"
#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace av::datatree {

namespace {

const QColor kSignColours[] = {palette::lapis, QColor(180, 50, 40), QColor(40, 120, 80),
                               QColor(150, 100, 20)};

void paintStele(QPainter& p, const QRectF& r) {
    QPainterPath stele;
    stele.moveTo(r.bottomLeft());
    stele.lineTo(r.left(), r.top() + r.width() / 2);
    stele.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    stele.lineTo(r.bottomRight());
    stele.closeSubpath();
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(244, 230, 196));
    g.setColorAt(1, QColor(206, 180, 134));
    p.setPen(outlinePen(2));
    p.setBrush(g);
    p.drawPath(stele);
}

void paintWingedSun(QPainter& p, QPointF centre, qreal w) {
    p.setPen(outlinePen(1));
    for (int side : {-1, 1}) {
        QPainterPath wing;
        wing.moveTo(centre);
        wing.quadTo(centre + QPointF(side * w * 0.3, -w * 0.16),
                    centre + QPointF(side * w * 0.5, -w * 0.04));
        wing.quadTo(centre + QPointF(side * w * 0.3, w * 0.1), centre);
        p.setBrush(palette::lapis);
        p.drawPath(wing);
    }
    p.setBrush(QColor(210, 60, 40));
    p.drawEllipse(centre, w * 0.07, w * 0.07);
}

void paintCartouche(QPainter& p, const QRectF& r) {
    p.setPen(outlinePen(1.6));
    p.setBrush(QColor(252, 240, 210));
    p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
    p.drawLine(QPointF(r.left() + 3, r.bottom() + 3), QPointF(r.right() - 3, r.bottom() + 3));
    const qreal cell = r.width() * 0.7;
    const int signs[] = {5, 0, 3};
    for (int i = 0; i < 3; ++i) {
        const QRectF c(r.center().x() - cell / 2, r.top() + 8 + i * (cell + 5), cell, cell);
        paintHieroglyph(p, signs[i], c, palette::ink, kSignColours[i % 4]);
    }
}

} // namespace

void paintHieroglyphWall(QPainter& p, const QSizeF& size) {
    p.save();
    p.scale(size.width() / 320, size.height() / 240);
    // Temple wall of blocks behind the carved stele.
    p.fillRect(QRectF(0, 0, 320, 240), QColor(176, 132, 82));
    p.setPen(QPen(QColor(130, 94, 56), 1));
    for (int row = 0; row < 8; ++row) {
        p.drawLine(QPointF(0, row * 30), QPointF(320, row * 30));
        for (int x = (row % 2) * 30; x < 320; x += 60)
            p.drawLine(QPointF(x, row * 30), QPointF(x, row * 30 + 30));
    }
    paintStele(p, QRectF(40, 8, 240, 226));
    paintWingedSun(p, QPointF(160, 40), 150);

    const qreal colWidth = 30;
    p.setPen(QPen(QColor(140, 104, 60), 1));
    for (int col = 0; col <= 6; ++col)
        p.drawLine(QPointF(58 + col * colWidth, 62), QPointF(58 + col * colWidth, 224));
    for (int col = 0; col < 6; ++col) {
        if (col == 2) continue; // the cartouche sits in this column
        for (int row = 0; row < 6; ++row) {
            const int sign = (col * 5 + row * 7) % kHieroglyphCount;
            const QRectF cell(62 + col * colWidth, 68 + row * 26, 22, 22);
            paintHieroglyph(p, sign, cell, palette::ink, kSignColours[(col + row) % 4]);
        }
    }
    paintCartouche(p, QRectF(62 + 2 * colWidth, 70, 22, 100));
    p.restore();
}

void paintHieroglyphIcon(QPainter& p, const QSizeF& size) {
    // A scroll of papyrus with three big signs, readable at icon size.
    p.save();
    p.scale(size.width() / 57, size.height() / 41);
    p.fillRect(QRectF(0, 0, 57, 41), QColor(60, 110, 190));
    QLinearGradient g(0, 4, 0, 37);
    g.setColorAt(0, QColor(248, 232, 184));
    g.setColorAt(1, QColor(214, 184, 120));
    p.setPen(outlinePen(1));
    p.setBrush(g);
    p.drawRect(QRectF(6, 5, 45, 31));
    p.setBrush(QColor(196, 160, 100));
    p.drawRoundedRect(QRectF(2, 3, 6, 35), 3, 3);
    p.drawRoundedRect(QRectF(49, 3, 6, 35), 3, 3);
    const int signs[] = {0, 1, 3};
    for (int i = 0; i < 3; ++i)
        paintHieroglyph(p, signs[i], QRectF(11 + i * 12.5, 11, 11, 18), palette::ink,
                        kSignColours[i]);
    p.restore();
}

} // namespace av::datatree
