#include "Glyphs.h"
#include "Numerals.h"
#include "Pictures.h"
#include "Scenery.h"

#include <algorithm>

namespace av::datatree {

namespace {

// Repeated signs stand either in one line or, when room is short, in two tiers with the
// odd one out on top, as carvers did.
struct Tally {
    qreal tier;   // height of one sign
    bool stacked; // more than four of a sign go in two tiers

    int tiers(int count) const { return stacked && count > 4 ? 2 : 1; }
    int columns(int count) const { return (count + tiers(count) - 1) / tiers(count); }
    qreal gap() const { return tier * 0.12; }
    qreal cell(int place) const { return numeralSignAspect(place) * tier; }
    qreal width(int place, int count) const {
        return count ? columns(count) * cell(place) + (columns(count) - 1) * gap() : 0;
    }
};

void paintGroup(QPainter& p, const Tally& t, int place, int count, QPointF topRight,
                qreal rowHeight) {
    const int tiers = t.tiers(count);
    const int upper = count - count / tiers * (tiers - 1);
    const qreal groupWidth = t.width(place, count);
    const qreal top = topRight.y() + (rowHeight - tiers * t.tier - (tiers - 1) * t.gap()) / 2;
    for (int i = 0; i < count; ++i) {
        const int tierIndex = i < upper ? 0 : 1;
        const int inTier = tierIndex ? i - upper : i;
        const int tierCount = tierIndex ? count - upper : upper;
        const qreal tierWidth = tierCount * t.cell(place) + (tierCount - 1) * t.gap();
        const qreal left = topRight.x() - groupWidth + (groupWidth - tierWidth) / 2 +
                           inTier * (t.cell(place) + t.gap());
        const QRectF cell(left, top + tierIndex * (t.tier + t.gap()), t.cell(place), t.tier);
        paintNumeralSign(p, place, cell, palette::writing);
    }
}

// Signs of one value line up in a column across both rows, as in a written column sum.
qreal columnWidth(const Tally& t, const NumeralCounts (&rows)[2], int place) {
    return std::max(t.width(place, rows[0][place]), t.width(place, rows[1][place]));
}

qreal layoutWidth(const Tally& t, const NumeralCounts (&rows)[2]) {
    qreal total = 0;
    for (int place = 0; place < kNumeralSigns; ++place)
        if (columnWidth(t, rows, place) > 0) total += columnWidth(t, rows, place) + t.tier * 0.45;
    return total;
}

// The biggest signs that fit the rows, trying one line first and two tiers second.
Tally fitTally(const NumeralCounts (&rows)[2], qreal rowHeight, qreal room) {
    Tally best{0, false};
    for (bool stacked : {false, true}) {
        int tiers = 1;
        for (const NumeralCounts& row : rows)
            for (int count : row)
                tiers = std::max(tiers, Tally{1, stacked}.tiers(count));
        Tally t{(rowHeight - 4) / (tiers + 0.12 * (tiers - 1)), stacked};
        const qreal width = layoutWidth(t, rows);
        if (width > room) t.tier *= room / width;
        if (t.tier > best.tier) best = t;
    }
    return best;
}

void paintPlus(QPainter& p, QPointF centre, qreal r) {
    p.setPen(outlinePen(std::max<qreal>(2, r * 0.3), palette::writing));
    p.drawLine(centre - QPointF(r, 0), centre + QPointF(r, 0));
    p.drawLine(centre - QPointF(0, r), centre + QPointF(0, r));
}

} // namespace

void paintNumeralSum(QPainter& p, const QSizeF& size, int first, int second) {
    paintPapyrus(p, size);
    const NumeralCounts rows[2] = {spellNumeral(first), spellNumeral(second)};
    const qreal margin = 7;
    const qreal answerHeight = size.height() * 0.15;
    const qreal rowHeight = (size.height() - 2 * margin - answerHeight - 6) / 2;
    const qreal plusWidth = 30;
    const qreal room = size.width() - 2 * margin - plusWidth - 6;
    const Tally t = fitTally(rows, rowHeight, room);

    qreal right = margin + plusWidth + (room + layoutWidth(t, rows)) / 2;
    for (int place = 0; place < kNumeralSigns; ++place) {
        const qreal width = columnWidth(t, rows, place);
        if (width == 0) continue;
        for (int r = 0; r < 2; ++r)
            if (rows[r][place] > 0)
                paintGroup(p, t, place, rows[r][place], QPointF(right, margin + r * rowHeight),
                           rowHeight);
        right -= width + t.tier * 0.45;
    }
    paintPlus(p, QPointF(margin + plusWidth / 2, margin + rowHeight * 1.5), 8);
    const qreal ruleY = margin + 2 * rowHeight + 3;
    p.setPen(outlinePen(2.5, palette::writing));
    p.drawLine(QPointF(margin + 4, ruleY), QPointF(size.width() - margin - 4, ruleY));
    p.setPen(QColor(150, 30, 20));
    p.setFont(labelFont(int(answerHeight * 0.8), true));
    p.drawText(QRectF(margin, ruleY + 2, size.width() - 2 * margin - 6, answerHeight),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("= ?"));
}

} // namespace av::datatree
