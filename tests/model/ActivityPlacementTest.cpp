// Where an activity's labels are, and what the capture rule and the score make of it.
#include "model/ActivityPlacement.h"

#include <gtest/gtest.h>

using namespace av;

namespace {

using Where = ActivityPlacement::Where;

// Three boxes in a row above three starting places, each 1000 by 400 twips.
ActivityPlacement threeInARow() {
    QList<PlacementArea> boxes, homes;
    for (int j = 0; j < 3; ++j) {
        boxes.append({1000.0f + 2000 * j, 1000, 1000, 400});
        homes.append({1000.0f + 2000 * j, 5000, 1000, 400});
    }
    return ActivityPlacement(boxes, homes);
}

// Lets go of the label with its corner at a place; returns the captures.
int dropAt(ActivityPlacement& p, int label, float left, float top) {
    p.move(label, left, top);
    return p.drop(label);
}

TEST(ActivityPlacementTest, EveryLabelStartsOnItsOwnStartingPlace) {
    const ActivityPlacement p = threeInARow();
    ASSERT_EQ(p.count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.spot(i).where, Where::Home);
        EXPECT_EQ(p.spot(i).index, i);
        EXPECT_EQ(p.spot(i).left, p.home(i).left);
        EXPECT_EQ(p.spot(i).top, p.home(i).top);
    }
    EXPECT_EQ(p.score(), 0);
    EXPECT_EQ(p.misplaced(), (QList<int>{0, 1, 2}));
    EXPECT_FALSE(p.complete());
}

TEST(ActivityPlacementTest, TheCaptureAreaReachesHalfABoxUpAndLeftAndStopsShortOfTheFarEdges) {
    const PlacementArea box{1000, 1000, 1000, 400};
    EXPECT_TRUE(ActivityPlacement::captures(box, 500.5f, 800.5f));
    EXPECT_TRUE(ActivityPlacement::captures(box, 1999.5f, 1399.5f));
    EXPECT_FALSE(ActivityPlacement::captures(box, 500, 1000));  // left bound
    EXPECT_FALSE(ActivityPlacement::captures(box, 2000, 1000)); // right
    EXPECT_FALSE(ActivityPlacement::captures(box, 1000, 800));  // top
    EXPECT_FALSE(ActivityPlacement::captures(box, 1000, 1400)); // bottom

    ActivityPlacement p = threeInARow();
    EXPECT_EQ(dropAt(p, 0, 2000, 1000), 0);
    EXPECT_EQ(p.spot(0).where, Where::Loose);
    EXPECT_EQ(p.spot(0).left, 2000);
    EXPECT_EQ(dropAt(p, 0, 2501, 1000), 1) << "box 1 reaches back half a box";
    EXPECT_EQ(p.boxOf(0), 1);
    EXPECT_EQ(p.spot(0).left, p.box(1).left);
}

TEST(ActivityPlacementTest, ThePassGoesOnAfterACaptureSoALaterPlaceMayTakeTheLabelOn) {
    QList<PlacementArea> boxes{{1000, 1000, 1000, 400}, {5000, 1000, 1000, 400}};
    // Starting place 1 lies just below box 0: a label snapped into box 0 lies in its area.
    QList<PlacementArea> homes{{1000, 5000, 1000, 400}, {1100, 1080, 1000, 400}};
    ActivityPlacement p(boxes, homes);
    EXPECT_EQ(dropAt(p, 0, 1050, 1050), 2);
    EXPECT_EQ(p.spot(0).where, Where::Home);
    EXPECT_EQ(p.spot(0).index, 1);
    EXPECT_EQ(p.boxOf(0), -1);

    // Where two areas hold the corner and the first's corner lies outside the second, the first
    // keeps the label.
    ActivityPlacement q({{1000, 1000, 1000, 400}, {1600, 1000, 1000, 400}},
                        {{1000, 5000, 1000, 400}, {3000, 5000, 1000, 400}});
    EXPECT_EQ(dropAt(q, 1, 1500, 1000), 1);
    EXPECT_EQ(q.boxOf(1), 0);
}

TEST(ActivityPlacementTest, ScoreCountsOwnBoxesAndCompletionAnyBoxSharedOrNot) {
    ActivityPlacement p = threeInARow();
    dropAt(p, 0, 1000, 1000);
    dropAt(p, 2, 1000, 1000); // shares box 0
    EXPECT_FALSE(p.complete());
    dropAt(p, 1, 3000, 1000);
    EXPECT_EQ(p.placedPairs(), 3);
    EXPECT_TRUE(p.complete()) << "box 2 is empty, yet every label is in a box";
    EXPECT_EQ(p.score(), 2);
    EXPECT_EQ(p.misplaced(), QList<int>{2});

    // Picked up again, it is in no box until it is let go.
    p.move(1, 3010, 1010);
    EXPECT_EQ(p.boxOf(1), -1);
    EXPECT_FALSE(p.complete());
    EXPECT_EQ(p.drop(1), 1);
    EXPECT_TRUE(p.complete());
}

TEST(ActivityPlacementTest, StartAgainSendsEveryLabelToItsOwnStartingPlace) {
    ActivityPlacement p = threeInARow();
    dropAt(p, 0, 3000, 5000); // onto starting place 1
    EXPECT_EQ(p.spot(0).where, Where::Home);
    EXPECT_EQ(p.spot(0).index, 1);
    dropAt(p, 1, 5000, 1000);
    dropAt(p, 2, 9000, 9000); // loose
    p.startAgain();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(p.spot(i).where, Where::Home);
        EXPECT_EQ(p.spot(i).index, i);
        EXPECT_EQ(p.spot(i).left, p.home(i).left);
    }
    EXPECT_EQ(p.placedPairs(), 0);
}

} // namespace
