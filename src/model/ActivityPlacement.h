#pragma once

#include <QList>

namespace av {

// A box of an activity in twips, held in single precision as the layout holds it.
struct PlacementArea {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// Where each label of a drag-and-drop activity is. Label i belongs in target box i and starts on
// home box i; a label let go outside every capture area stays loose where it was let go.
class ActivityPlacement {
  public:
    enum class Where { Box, Home, Loose };
    struct Spot {
        Where where = Where::Home;
        int index = -1; // the box or home box; -1 when loose
        float left = 0; // the label's corner
        float top = 0;
    };

    ActivityPlacement() = default;
    // Every label starts on its own home box; both lists hold one area per label.
    ActivityPlacement(QList<PlacementArea> boxes, QList<PlacementArea> homes);

    int count() const { return static_cast<int>(m_spots.size()); }
    const Spot& spot(int label) const { return m_spots.at(label); }
    const PlacementArea& box(int j) const { return m_boxes.at(j); }
    const PlacementArea& home(int j) const { return m_homes.at(j); }

    // The label's corner is at a place, not yet let go: it is in no box.
    void move(int label, float left, float top);
    // Lets go of the label: every box and then home box j is tried in turn for j = 0..N-1, and
    // each whose capture area holds the corner takes the label, so a later one may take it on.
    // Returns the number of captures.
    int drop(int label);
    // Every label back on its own home box.
    void startAgain();

    // The target box the label is in, -1 when it is in none.
    int boxOf(int label) const;
    // Labels in any target box: two labels sharing a box both count.
    int placedPairs() const;
    bool complete() const { return placedPairs() == count(); }
    // Labels in their own target box.
    int score() const;
    // The labels not in their own target box, in label order.
    QList<int> misplaced() const;

    // The corner must lie in the area that reaches half a box to the left of and above the box
    // and stops just short of its right and bottom edges. The bounds are strict.
    static bool captures(const PlacementArea& area, float left, float top);

  private:
    bool snapIfCaptured(Spot& spot, Where where, int index);

    QList<PlacementArea> m_boxes;
    QList<PlacementArea> m_homes;
    QList<Spot> m_spots;
};

} // namespace av
