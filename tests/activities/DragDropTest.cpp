#include "ActivityFixture.h"
#include "shell/Glossary.h"

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

using DragDropTest = ActivityTest;

TEST_F(DragDropTest, DraggingCentresTheLabelOnThePointerInSinglePrecision) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    Label& label = w.draggableLabels()[1]; // starts at (2160, 7200), pixel-aligned
    press(w, centreOf(label));
    moveTo(w, QPoint(256, 254));
    EXPECT_FLOAT_EQ(label.Left(), 2160 + 15 * (256 - 144) - 907.5f);
    EXPECT_FLOAT_EQ(label.Top(), 7200 + 15 * (254 - 480) - 307.5f);
    // What is drawn follows the exact place, rounded to whole pixels.
    EXPECT_EQ(label.geometry(), pixelRect(label.Left(), label.Top(), 1815, 615));
    // Nothing keeps the label inside the window.
    moveTo(w, QPoint(2, 2));
    EXPECT_LT(label.Left(), 0);
    EXPECT_LT(label.Top(), 0);
    release(w, QPoint(2, 2));

    w.moveLabel(1, 100.1f, 200.3f);
    w.onLabelDragged(1, MouseArgs{1, 0, 1000.7f, 33.3f});
    EXPECT_EQ(label.Left(), 100.1f + 1000.7f - 1815.0f / 2);
    EXPECT_EQ(label.Top(), 200.3f + 33.3f - 615.0f / 2);
}

TEST_F(DragDropTest, OnlyTheLeftButtonAloneDrags) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    for (int button : {0, 2, 3, 4, 5}) {
        w.onLabelDragged(0, MouseArgs{button, 0, 5000, 5000});
        EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 7920) << button;
        EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 7200) << button;
    }
}

TEST_F(DragDropTest, ACornerInsideTheCaptureAreaSnapsWithOneThud) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    dropAt(w, 1, 4000, 3500);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Left(), 3840);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Top(), 3480);
    EXPECT_EQ(thuds(), 1);
    EXPECT_EQ(w.placement().boxOf(1), 0);

    // The same by pointer: label 0 released with its corner near (3997.5, 3502.5).
    drag(w, 0, QPoint(327, 254));
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 3840);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 3480);
    EXPECT_EQ(thuds(), 2);
}

TEST_F(DragDropTest, TheCaptureBoundsAreExclusive) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    dropAt(w, 1, 2932.5f, 3500);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Left(), 2932.5f);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Top(), 3500);
    // The right, upper and lower bounds of target box 0 miss as well.
    dropAt(w, 2, 5655, 3500);
    dropAt(w, 3, 4000, 3172.5f);
    dropAt(w, 0, 4000, 4095);
    EXPECT_FLOAT_EQ(w.draggableLabels()[2].Left(), 5655);
    EXPECT_FLOAT_EQ(w.draggableLabels()[3].Top(), 3172.5f);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 4095);
    EXPECT_EQ(thuds(), 0);

    // By pointer the corner lands on 2932.5 exactly and stays; one pixel further it snaps.
    w.onLinkClicked(ActivityLink::StartAgain);
    drag(w, 1, QPoint(256, 254));
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Left(), 2932.5f);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Top(), 3502.5f);
    EXPECT_EQ(thuds(), 0);
    w.onLinkClicked(ActivityLink::StartAgain);
    drag(w, 1, QPoint(257, 254));
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Left(), 3840);
    EXPECT_EQ(thuds(), 1);
}

TEST_F(DragDropTest, OverlappingHomeBoxesGoToTheLowerIndex) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    dropAt(w, 0, 3500, 7200);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 2160); // home box 1, not 3 at 4080
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 7200);
    EXPECT_EQ(thuds(), 1);
    EXPECT_EQ(w.placement().spot(0).where, ActivityPlacement::Where::Home);
    EXPECT_EQ(w.placement().spot(0).index, 1);

    w.onLinkClicked(ActivityLink::StartAgain);
    drag(w, 0, QPoint(293, 500)); // corner at (3487.5, 7192.5)
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 2160);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 7200);
    EXPECT_EQ(thuds(), 2);
    // Start Again still sends it to its own home.
    w.onLinkClicked(ActivityLink::StartAgain);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 7920);
}

TEST_F(DragDropTest, OrderingWindowsTestTheBoxesInIndexOrder) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsOrdering));
    dropAt(w, 0, 960, 6300); // home boxes 4 (Top 5520) and 2 (Top 6600) both reach it
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 960);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 6600);
    EXPECT_EQ(thuds(), 1);

    dropAt(w, 3, 7920, 1850); // target boxes 2 (Top 960) and 1 (Top 2280) both reach it
    EXPECT_FLOAT_EQ(w.draggableLabels()[3].Left(), 7920);
    EXPECT_FLOAT_EQ(w.draggableLabels()[3].Top(), 2280);
    EXPECT_EQ(thuds(), 2);

    drag(w, 1, QPoint(175, 453)); // corner at (967.5, 6307.5)
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Left(), 960);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Top(), 6600);
    EXPECT_EQ(thuds(), 3);
}

TEST_F(DragDropTest, ThePassGoesOnAfterACaptureAndMayCaptureAgain) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    // Home box 3 moved near target box 0, so the snapped corner lies in its area as well.
    QList<PlacementArea> boxes, homes;
    for (int j = 0; j < 4; ++j) {
        boxes.append(w.placement().box(j));
        homes.append(w.placement().home(j));
    }
    homes[3].left = 3940;
    homes[3].top = 3580;
    ActivityWindowTestView::setPlacement(w, ActivityPlacement(boxes, homes));
    dropAt(w, 1, 4000, 3500);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Left(), 3940);
    EXPECT_FLOAT_EQ(w.draggableLabels()[1].Top(), 3580);
    EXPECT_EQ(thuds(), 2);
}

TEST_F(DragDropTest, PressAndReleaseWithoutMovingSnapsAgain) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    dragInto(w, 0, 0);
    ASSERT_FLOAT_EQ(w.draggableLabels()[0].Left(), 3840);
    ASSERT_EQ(thuds(), 1);
    const QPoint at = centreOf(w.draggableLabels()[0]);
    press(w, at);
    release(w, at);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 3840);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 3480);
    EXPECT_EQ(thuds(), 2);
    // A label at its start place sits in its home box and snaps there too.
    press(w, centreOf(w.draggableLabels()[2]));
    release(w, centreOf(w.draggableLabels()[2]));
    EXPECT_EQ(thuds(), 3);
}

TEST_F(DragDropTest, ARightButtonDragMovesNothingButStillDrops) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    w.moveLabel(0, 4000, 3500);
    const QPoint from = centreOf(w.draggableLabels()[0]);
    press(w, from, Qt::RightButton);
    moveTo(w, QPoint(600, 100));
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 4000);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 3500);
    release(w, QPoint(600, 100), Qt::RightButton);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Left(), 3840);
    EXPECT_FLOAT_EQ(w.draggableLabels()[0].Top(), 3480);
    EXPECT_EQ(thuds(), 1);
}

TEST_F(DragDropTest, ALabelReleasedElsewhereStaysSilently) {
    ActivityWindow& w = open(QString::fromLatin1(win::PyramidsLabelling));
    drag(w, 3, QPoint(100, 400));
    EXPECT_FLOAT_EQ(w.draggableLabels()[3].Left(), 8940 + 15 * (100 - 596) - 1425.0f);
    EXPECT_FLOAT_EQ(w.draggableLabels()[3].Top(), 7080 + 15 * (400 - 472) - 367.5f);
    EXPECT_EQ(thuds(), 0);
    EXPECT_FALSE(w.link(ActivityLink::CheckScore).isVisible());
}

// Paint regions of every widget, in the window's coordinates.
class PaintSpy : public QObject {
  public:
    explicit PaintSpy(QWidget& window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintSpy() override { qApp->removeEventFilter(this); }
    QRegion painted;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (event->type() == QEvent::Paint && widget && widget->window() == &m_window)
            painted += static_cast<QPaintEvent*>(event)->region().translated(
                widget->mapTo(&m_window, QPoint(0, 0)));
        return false;
    }

  private:
    QWidget& m_window;
};

TEST_F(DragDropTest, MovingALabelRepaintsOnlyWhereItWasAndWhereItGoes) {
    ActivityWindow& w = open(QString::fromLatin1(win::PyramidsLabelling));
    QCoreApplication::processEvents();
    const QRect before = w.draggableLabels()[0].geometry();
    PaintSpy spy(w);
    w.onLabelDragged(0, MouseArgs{1, 0, 3000, 1500});
    const QRect after = w.draggableLabels()[0].geometry();
    QCoreApplication::processEvents();
    EXPECT_FALSE(spy.painted.isEmpty());
    EXPECT_TRUE((spy.painted - QRegion(before) - QRegion(after)).isEmpty())
        << "painted beyond the label's old and new places";
}

} // namespace
