#include "ActivityFixture.h"
#include "shell/Glossary.h"

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

using ScoringTest = ActivityTest;

bool checkShown(ActivityWindow& w) {
    return w.link(ActivityLink::CheckScore).isVisible();
}

// Every activity completed by pointer, each label into its own box, then scored.
TEST_F(ScoringTest, EveryActivityCanBeCompletedAndScoredInFull) {
    for (const auto& [name, n] :
         {std::pair{win::WordsLabelling, 4}, std::pair{win::PyramidsLabelling, 4},
          std::pair{win::WordsOrdering, 5}, std::pair{win::PyramidsOrdering, 6}}) {
        SCOPED_TRACE(name);
        ActivityWindow& w = open(QString::fromLatin1(name));
        EXPECT_EQ(w.outcome().total, n);
        for (int i = 0; i < n; ++i) {
            EXPECT_FALSE(checkShown(w)) << "before label " << i;
            dragInto(w, i, i);
            EXPECT_FLOAT_EQ(w.draggableLabels()[i].Left(), w.targetBoxes()[i].Left());
            EXPECT_FLOAT_EQ(w.draggableLabels()[i].Top(), w.targetBoxes()[i].Top());
        }
        EXPECT_TRUE(checkShown(w));
        EXPECT_EQ(thuds(), n);
        clickButton(w, ActivityLink::CheckScore);
        EXPECT_TRUE(resultsSay(n, n)) << results().message.toStdString();
        EXPECT_TRUE(w.outcome().wrong.isEmpty());
        EXPECT_TRUE(t.windows().touch(QString::fromLatin1(win::Results)).isVisible());
        EXPECT_TRUE(w.isVisible()) << "the activity stays open beneath the results";
        EXPECT_EQ(t.sound.played.last(), ClickSound);

        t.windows().unload(QString::fromLatin1(win::Results));
        clickButton(w, ActivityLink::Exit);
        processDeferredDeletes();
        t.sound.played.clear();
    }
}

TEST_F(ScoringTest, ExchangedLabelsStillCompleteButScoreOnlyTheirOwnBoxes) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    dragInto(w, 0, 3);
    dragInto(w, 3, 0);
    dragInto(w, 1, 1);
    dragInto(w, 2, 2);
    EXPECT_TRUE(checkShown(w));
    w.onLinkClicked(ActivityLink::CheckScore);
    EXPECT_TRUE(resultsSay(2, 4)) << results().message.toStdString();
    EXPECT_EQ(w.outcome().wrong, (QStringList{QStringLiteral("26"), QStringLiteral("112")}));

    ActivityWindow& p = open(QString::fromLatin1(win::PyramidsOrdering));
    // Steps 1 and 2 are labels 1 and 3; swap them, the rest right.
    const int boxFor[] = {0, 3, 2, 1, 4, 5};
    for (int i = 0; i < 6; ++i)
        dragInto(p, i, boxFor[i]);
    EXPECT_TRUE(checkShown(p));
    p.onLinkClicked(ActivityLink::CheckScore);
    // The results screen is still loaded from the first activity: it takes the new outcome.
    EXPECT_EQ(results().screen->outcome().score, 4);
    EXPECT_EQ(results().screen->outcome().total, 6);
    EXPECT_EQ(p.outcome().wrong,
              (QStringList{p.draggableLabels()[1].caption(), p.draggableLabels()[3].caption()}));
}

TEST_F(ScoringTest, TheResultsHearTheActivityByItsHeadingAndKind) {
    // As the topic screen opens it: touched, so loaded, then given the topic's title.
    dynamic_cast<ActivityWindow&>(t.windows().touch(QString::fromLatin1(win::WordsOrdering)))
        .setHeading(QStringLiteral("Words and Numbers"));
    ActivityWindow& w = open(QString::fromLatin1(win::WordsOrdering));
    const int boxFor[] = {1, 0, 2, 3, 4};
    for (int i = 0; i < 5; ++i)
        dragInto(w, i, boxFor[i]);
    const ScoredOutcome outcome = w.outcome();
    EXPECT_EQ(outcome.activity, QStringLiteral("Words and Numbers: Ordering Activity"));
    EXPECT_EQ(outcome.heading, QStringLiteral("Words and Numbers"));
    EXPECT_EQ(outcome.score, 3);
    EXPECT_EQ(outcome.total, 5);
    EXPECT_EQ(outcome.wrong,
              (QStringList{w.draggableLabels()[0].caption(), w.draggableLabels()[1].caption()}));
    clickButton(w, ActivityLink::CheckScore);
    EXPECT_TRUE(resultsSay(3, 5)) << results().message.toStdString();
}

TEST_F(ScoringTest, TwoLabelsInOneBoxCountTowardsCompletion) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    dragInto(w, 0, 0);
    dragInto(w, 3, 0);
    dragInto(w, 1, 1);
    EXPECT_FALSE(checkShown(w));
    dragInto(w, 2, 2);
    EXPECT_TRUE(checkShown(w)) << "box 3 is empty, yet four label-box pairs match";
    w.onLinkClicked(ActivityLink::CheckScore);
    EXPECT_TRUE(resultsSay(3, 4)) << results().message.toStdString();
}

TEST_F(ScoringTest, DraggingOutAfterCompletionKeepsCheckScore) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    for (int i = 0; i < 4; ++i)
        dragInto(w, i, i);
    w.onLinkClicked(ActivityLink::CheckScore);
    ASSERT_TRUE(resultsSay(4, 4)) << results().message.toStdString();
    const ResultsScreen* first = results().screen;
    drag(w, 2, QPoint(100, 150));
    EXPECT_TRUE(checkShown(w));
    // A second click rescores while the results screen is still loaded; it is shown again,
    // not loaded again.
    clickButton(w, ActivityLink::CheckScore);
    EXPECT_EQ(results().screen, first);
    // Its message was read as it loaded; the certificate and the sounds follow the new score.
    EXPECT_TRUE(resultsSay(4, 4)) << results().message.toStdString();
    EXPECT_EQ(results().screen->outcome().score, 3);
    EXPECT_EQ(w.outcome().wrong, QStringList{w.draggableLabels()[2].caption()});
    EXPECT_EQ(clicks(), 2);
}

TEST_F(ScoringTest, StartAgainSendsEveryLabelHomeAndHidesCheckScore) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsOrdering));
    for (int i = 0; i < 5; ++i)
        dragInto(w, i, i);
    ASSERT_TRUE(checkShown(w));
    clickButton(w, ActivityLink::StartAgain);
    const auto& items = w.description().items;
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(w.draggableLabels()[i].Left(), items[size_t(i)].start.left);
        EXPECT_FLOAT_EQ(w.draggableLabels()[i].Top(), items[size_t(i)].start.top);
    }
    EXPECT_FALSE(checkShown(w));
    EXPECT_EQ(w.outcome().score, 0);
    EXPECT_EQ(w.outcome().wrong.size(), 5);
    EXPECT_EQ(t.sound.played.last(), ClickSound);
}

TEST_F(ScoringTest, ExitDiscardsTheWindowAndTheNextOpeningIsFresh) {
    ActivityWindow& w = open(QString::fromLatin1(win::PyramidsLabelling));
    for (int i = 0; i < 4; ++i)
        dragInto(w, i, i);
    clickButton(w, ActivityLink::Exit);
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::PyramidsLabelling)));
    EXPECT_EQ(results().screen, nullptr) << "leaving scores nothing";
    EXPECT_EQ(t.sound.played.last(), ClickSound);
    processDeferredDeletes();

    ActivityWindow& again = open(QString::fromLatin1(win::PyramidsLabelling));
    EXPECT_NE(again.draggableLabels()[0].caption(), QString());
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(again.draggableLabels()[i].Left(), again.homeBoxes()[i].Left());
    EXPECT_FALSE(checkShown(again));
}

TEST_F(ScoringTest, SoundOffSilencesDropsAndClicks) {
    t.state().soundOn = 0;
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    for (int i = 0; i < 4; ++i)
        dragInto(w, i, i);
    ASSERT_TRUE(checkShown(w));
    clickButton(w, ActivityLink::CheckScore);
    clickButton(w, ActivityLink::StartAgain);
    clickButton(w, ActivityLink::Exit);
    EXPECT_TRUE(t.sound.played.isEmpty());
    processDeferredDeletes();
}

TEST_F(ScoringTest, EachWindowKeepsItsOwnItemCount) {
    ActivityWindow& words = open(QString::fromLatin1(win::WordsLabelling));
    ActivityWindow& pyramids = open(QString::fromLatin1(win::PyramidsOrdering));
    EXPECT_EQ(pyramids.outcome().total, 6);
    // The four-item window addresses four labels although a six-item window opened after it.
    for (int i = 0; i < 4; ++i)
        dragInto(words, i, i);
    EXPECT_TRUE(checkShown(words));
    words.onLinkClicked(ActivityLink::StartAgain);
    for (int i = 0; i < 4; ++i)
        dragInto(words, i, i);
    words.onLinkClicked(ActivityLink::CheckScore);
    EXPECT_TRUE(resultsSay(4, 4)) << "the results screen hears this window's own total";
    t.windows().unload(QString::fromLatin1(win::Results));
    processDeferredDeletes();

    // And the six-item window is not complete after four, though the other one was scored.
    for (int i = 0; i < 4; ++i)
        dragInto(pyramids, i, i);
    EXPECT_FALSE(checkShown(pyramids));
    dragInto(pyramids, 4, 4);
    dragInto(pyramids, 5, 5);
    EXPECT_TRUE(checkShown(pyramids));
    pyramids.onLinkClicked(ActivityLink::CheckScore);
    EXPECT_TRUE(resultsSay(6, 6)) << results().message.toStdString();
}

} // namespace
