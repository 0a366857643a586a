// Every activity done without dragging: by the keyboard alone, and by click-then-click.
#include "ActivityFixture.h"
#include "KeyEvents.h"
#include "shell/Glossary.h"

#include <QAccessible>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

class PickUpTest : public ActivityTest {
  protected:
    Window& ready(ActivityWindow& w) { return activeWindow(t.windows(), qPrintable(w.name())); }

    // Picks label i up with Enter, moves to box j with Tab (or the arrows) and puts it down
    // with Space.
    void carry(ActivityWindow& w, int i, int j, bool arrows = false) {
        ASSERT_TRUE(tabTo(w, w.draggableLabels()[i])) << i;
        key(w, Qt::Key_Return);
        ASSERT_EQ(w.heldLabel(), i);
        EXPECT_TRUE(w.draggableLabels()[i].isLifted());
        for (int step = 0; step <= w.itemCount() && focused() != &w.targetBoxes()[j]; ++step)
            key(w, arrows ? Qt::Key_Right : Qt::Key_Tab);
        ASSERT_EQ(focused(), &w.targetBoxes()[j]);
        key(w, Qt::Key_Space);
        EXPECT_EQ(w.heldLabel(), -1);
        EXPECT_FALSE(w.draggableLabels()[i].isLifted());
        EXPECT_EQ(focused(), &w.draggableLabels()[i]);
    }

    static void tap(ActivityWindow& w, const QWidget& on) {
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, centreOf(on));
    }
};

TEST_F(PickUpTest, EveryActivityIsCompletedAndScoredByKeys) {
    for (const char* name :
         {win::WordsLabelling, win::PyramidsLabelling, win::WordsOrdering, win::PyramidsOrdering}) {
        ActivityWindow& w = open(QString::fromLatin1(name));
        ready(w);
        const int n = w.itemCount();
        const int thudsBefore = thuds();
        for (int i = 0; i < n; ++i) {
            carry(w, i, i, i % 2 == 1);
            EXPECT_EQ(w.draggableLabels()[i].Left(), w.targetBoxes()[i].Left()) << name << i;
            EXPECT_EQ(w.draggableLabels()[i].Top(), w.targetBoxes()[i].Top()) << name << i;
        }
        EXPECT_EQ(thuds() - thudsBefore, n) << name; // one snap each, as a drag gives
        ASSERT_TRUE(w.link(ActivityLink::CheckScore).isVisible()) << name;
        ASSERT_TRUE(tabTo(w, w.link(ActivityLink::CheckScore))) << name;
        key(w, Qt::Key_Return);
        EXPECT_TRUE(resultsSay(n, n)) << name;
        t.windows().unload(QString::fromLatin1(win::Results));
        ready(w);
        ASSERT_TRUE(tabTo(w, w.link(ActivityLink::Exit)));
        key(w, Qt::Key_Space);
        processDeferredDeletes();
        EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(name)));
    }
}

// The boxes of the ordering activities stand in the layout's table in another order than on
// the screen: the keyboard still visits them from the top down, as Box 1 to Box N.
TEST_F(PickUpTest, APlaceIsTheBoxesFromTheTopDownThenTheStartingPlace) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsOrdering));
    ready(w);
    carry(w, 3, 2); // into the top box, which is not its own
    EXPECT_EQ(w.draggableLabels()[3].Top(), w.targetBoxes()[2].Top());
    ASSERT_TRUE(tabTo(w, w.draggableLabels()[3]));
    key(w, Qt::Key_Space);
    key(w, Qt::Key_Tab, Qt::ShiftModifier); // back from Box 1 is the starting place
    ASSERT_EQ(focused(), &w.homeBoxes()[3]);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(focused());
    EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Starting place"));
    float above = -1;
    for (int j = 0; j < w.itemCount(); ++j) {
        key(w, Qt::Key_Down);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(focused())->text(QAccessible::Name),
                  QStringLiteral("Box %1").arg(j + 1));
        const auto* box = qobject_cast<const Label*>(focused());
        ASSERT_NE(box, nullptr);
        EXPECT_GT(box->Top(), above) << "Box " << j + 1 << " is not below the one before";
        above = box->Top();
    }
    key(w, Qt::Key_Down);
    key(w, Qt::Key_Return);
    EXPECT_EQ(w.draggableLabels()[3].Left(), w.homeBoxes()[3].Left());
    EXPECT_EQ(w.draggableLabels()[3].Top(), w.homeBoxes()[3].Top());
    EXPECT_EQ(thuds(), 2);
}

TEST_F(PickUpTest, EscapePutsTheLabelBackSilentlyAndThenLeaves) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    ready(w);
    const float left = w.draggableLabels()[2].Left();
    ASSERT_TRUE(tabTo(w, w.draggableLabels()[2]));
    key(w, Qt::Key_Space);
    key(w, Qt::Key_Tab);
    key(w, Qt::Key_Tab);
    key(w, Qt::Key_Escape);
    EXPECT_EQ(w.heldLabel(), -1);
    EXPECT_EQ(w.draggableLabels()[2].Left(), left);
    EXPECT_EQ(focused(), &w.draggableLabels()[2]);
    EXPECT_TRUE(t.sound.played.isEmpty());
    key(w, Qt::Key_Escape);
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::WordsLabelling)));
    EXPECT_EQ(clicks(), 1); // as Exit
}

TEST_F(PickUpTest, AnActivityIsCompletedByClickThenClick) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    ready(w);
    for (int i = 0; i < 4; ++i) {
        const int thudsBefore = thuds();
        tap(w, w.draggableLabels()[i]);
        // The click still ran the drop step: the label sits in its home box and thuds.
        EXPECT_EQ(thuds(), thudsBefore + 1);
        ASSERT_EQ(w.heldLabel(), i);
        tap(w, w.targetBoxes()[i]);
        EXPECT_EQ(w.heldLabel(), -1);
        EXPECT_EQ(w.draggableLabels()[i].Left(), w.targetBoxes()[i].Left());
        EXPECT_EQ(w.draggableLabels()[i].Top(), w.targetBoxes()[i].Top());
        EXPECT_EQ(thuds(), thudsBefore + 2);
    }
    clickButton(w, ActivityLink::CheckScore);
    EXPECT_TRUE(resultsSay(4, 4)) << results().message.toStdString();
}

TEST_F(PickUpTest, AClickElsewhereLetsGoAndAnotherLabelIsPickedUpInstead) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    ready(w);
    tap(w, w.draggableLabels()[1]);
    tap(w, w.targetBoxes()[1]);
    tap(w, w.draggableLabels()[2]);
    tap(w, w.draggableLabels()[3]);
    EXPECT_EQ(w.heldLabel(), 3);
    EXPECT_FALSE(w.draggableLabels()[2].isLifted());
    EXPECT_TRUE(w.draggableLabels()[3].isLifted());
    // Another label's starting place is not this one's.
    tap(w, w.homeBoxes()[1]);
    EXPECT_EQ(w.heldLabel(), -1);
    tap(w, w.draggableLabels()[3]);
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(3, 3)); // the window itself
    EXPECT_EQ(w.heldLabel(), -1);
    EXPECT_FLOAT_EQ(w.draggableLabels()[3].Left(), 4080);
    // A drag is still a drag: it leaves nothing picked up.
    tap(w, w.draggableLabels()[0]);
    drag(w, 0, centreOf(w.targetBoxes()[2]));
    EXPECT_EQ(w.heldLabel(), -1);
    EXPECT_EQ(w.draggableLabels()[0].Left(), w.targetBoxes()[2].Left());
}

} // namespace
