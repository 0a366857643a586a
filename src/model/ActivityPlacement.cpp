#include "ActivityPlacement.h"

#include <utility>

namespace av {

ActivityPlacement::ActivityPlacement(QList<PlacementArea> boxes, QList<PlacementArea> homes)
    : m_boxes(std::move(boxes)), m_homes(std::move(homes)) {
    Q_ASSERT(m_boxes.size() == m_homes.size());
    m_spots.resize(m_homes.size());
    startAgain();
}

// Every bound is computed in single precision before the comparison, as the layout's numbers are.
bool ActivityPlacement::captures(const PlacementArea& area, float left, float top) {
    const float minLeft = area.left - area.width / 2;
    const float maxLeft = area.left + area.width;
    const float minTop = area.top - area.height / 2;
    const float maxTop = area.top + area.height;
    return left > minLeft && left < maxLeft && top > minTop && top < maxTop;
}

void ActivityPlacement::move(int label, float left, float top) {
    m_spots[label] = {Where::Loose, -1, left, top};
}

int ActivityPlacement::drop(int label) {
    Spot& spot = m_spots[label];
    int captured = 0;
    for (int j = 0; j < count(); ++j) {
        captured += snapIfCaptured(spot, Where::Box, j) ? 1 : 0;
        captured += snapIfCaptured(spot, Where::Home, j) ? 1 : 0;
    }
    return captured;
}

bool ActivityPlacement::snapIfCaptured(Spot& spot, Where where, int index) {
    const PlacementArea& area = where == Where::Box ? m_boxes.at(index) : m_homes.at(index);
    if (!captures(area, spot.left, spot.top)) return false;
    spot = {where, index, area.left, area.top};
    return true;
}

void ActivityPlacement::startAgain() {
    for (int i = 0; i < count(); ++i)
        m_spots[i] = {Where::Home, i, m_homes.at(i).left, m_homes.at(i).top};
}

int ActivityPlacement::boxOf(int label) const {
    const Spot& s = m_spots.at(label);
    return s.where == Where::Box ? s.index : -1;
}

int ActivityPlacement::placedPairs() const {
    int placed = 0;
    for (int i = 0; i < count(); ++i)
        placed += boxOf(i) >= 0 ? 1 : 0;
    return placed;
}

int ActivityPlacement::score() const {
    return count() - static_cast<int>(misplaced().size());
}

QList<int> ActivityPlacement::misplaced() const {
    QList<int> out;
    for (int i = 0; i < count(); ++i)
        if (boxOf(i) != i) out.append(i);
    return out;
}

} // namespace av
