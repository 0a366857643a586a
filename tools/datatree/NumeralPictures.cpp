#include "Glyphs.h"
#include "Numerals.h"
#include "Pictures.h"
#include "Scenery.h"

#include <QLinearGradient>
#include <algorithm>

namespace av::datatree {

void paintNumeralChart(QPainter& p, const QSizeF& size) {
    paintPapyrus(p, size);
    p.setPen(palette::writing);
    p.setFont(labelFont(int(size.height() * 0.11), true));
    p.drawText(QRectF(0, size.height() * 0.04, size.width(), size.height() * 0.16), Qt::AlignCenter,
               QStringLiteral("Velmoran Numbers"));
    const qreal colWidth = (size.width() - 20) / kNumeralSigns;
    const qreal signHeight = size.height() * 0.36;
    for (int place = 0; place < kNumeralSigns; ++place) {
        const qreal left = 10 + place * colWidth;
        QRectF tile(left + 4, size.height() * 0.23, colWidth - 8, signHeight + 12);
        p.setPen(QPen(QColor(150, 90, 40), 1.5));
        p.setBrush(QColor(255, 248, 226));
        p.drawRoundedRect(tile, 6, 6);
        const qreal w = std::min(colWidth - 16, numeralSignAspect(place) * signHeight);
        const qreal h = w / numeralSignAspect(place);
        paintNumeralSign(p, place,
                         QRectF(tile.center().x() - w / 2, tile.center().y() - h / 2, w, h),
                         palette::writing);
        p.setPen(QColor(150, 30, 20));
        p.setFont(labelFont(int(size.height() * 0.075), true));
        p.drawText(QRectF(left, tile.bottom() + 4, colWidth, size.height() * 0.12), Qt::AlignCenter,
                   QString::number(signValue(place)));
        p.setPen(palette::writing);
        p.setFont(labelFont(int(size.height() * 0.07), false));
        p.drawText(
            QRectF(left, tile.bottom() + 4 + size.height() * 0.12, colWidth, size.height() * 0.1),
            Qt::AlignCenter, signName(place));
    }
}

} // namespace av::datatree
