#include "QuizFixture.h"

#include <QTest>

using namespace av;
using namespace av::test;

namespace {

const QString Click = QStringLiteral("wav\\click.wav");
const QString Hint =
    QStringLiteral("Click the button above to check which questions you answered incorrectly.");

class ResultsScreenTest : public QuizFixture {};

struct MessageCase {
    int score;
    int total;
    const char* message;
    const char* link; // caption of the next-step link
    bool fullMarks;
};

class ResultsMessageTest : public QuizFixture, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(ResultsMessageTest, ActivityRoadShowsTheMessageForItsScore) {
    const MessageCase& c = GetParam();
    ResultsScreen& w = showResults(c.score, c.total);
    EXPECT_EQ(w.scoreMessage().caption(), QString::fromLatin1(c.message));
    EXPECT_EQ(w.link(ResultsLink::NextStep).caption(), QString::fromLatin1(c.link));
    // Without the quiz's settings only full marks offers a link besides Exit.
    EXPECT_EQ(shown(w.link(ResultsLink::NextStep)), c.fullMarks);
    EXPECT_EQ(shown(w.pupilName()), c.fullMarks);
    EXPECT_EQ(shown(w.nameHint()), c.fullMarks);
    EXPECT_EQ(shown(w.tryAgainHint()), !c.fullMarks);
    EXPECT_FALSE(shown(w.wrongAnswersHint()));
    EXPECT_EQ(w.wrongAnswersHint().caption(), c.fullMarks ? QString() : Hint);
    EXPECT_TRUE(shown(w.link(ResultsLink::Exit)));
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ResultsMessageTest,
    ::testing::Values(
        MessageCase{10, 10, "Excellent work. You have scored 10 out of 10.", "Print Certificate",
                    true},
        MessageCase{9, 10, "Good work. You have scored 9 out of 10.", "Check Wrong Answers", false},
        MessageCase{8, 10, "Good work. You have scored 8 out of 10.", "Check Wrong Answers", false},
        MessageCase{7, 10, "You have scored 7 out of 10.", "Check Wrong Answers", false},
        MessageCase{0, 10, "You have scored 0 out of 10.", "Check Wrong Answers", false},
        MessageCase{4, 4, "Excellent work. You have scored 4 out of 4.", "Print Certificate", true},
        MessageCase{3, 4, "Good work. You have scored 3 out of 4.", "Check Wrong Answers", false},
        MessageCase{2, 4, "Good work. You have scored 2 out of 4.", "Check Wrong Answers", false},
        MessageCase{1, 4, "You have scored 1 out of 4.", "Check Wrong Answers", false}),
    [](const auto& info) {
        return "score" + std::to_string(info.param.score) + "of" + std::to_string(info.param.total);
    });

TEST_F(ResultsScreenTest, LayoutAndNameBox) {
    ResultsScreen& w = showResults(10, 10);
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(w.sphinxPicture().backColor(), QColor(49, 135, 214));
    EXPECT_EQ(QRectF(w.sphinxPicture().Left(), w.sphinxPicture().Top(), w.sphinxPicture().Width(),
                     w.sphinxPicture().Height()),
              QRectF(5880, 1440, 4800, 3600));
    EXPECT_EQ(w.sphinxPicture().picture(), nullptr) << "empty until the first tick";
    auto* link = qobject_cast<Label*>(
        w.widget(QString::fromLatin1(glossary::results::Links), int(ResultsLink::NextStep)));
    ASSERT_EQ(link, &w.link(ResultsLink::NextStep));
    EXPECT_FLOAT_EQ(link->Left(), 240);
    EXPECT_FLOAT_EQ(link->Top(), 1800);
    EXPECT_EQ(qobject_cast<TextBox*>(w.widget(QString::fromLatin1(glossary::results::PupilName))),
              &w.pupilName());
    EXPECT_FLOAT_EQ(w.pupilName().Top(), 6600);

    w.pupilName().setFocus();
    QTest::keyClicks(&w.pupilName(), QStringLiteral("Cleopatra Philopator of the Nile"));
    EXPECT_EQ(w.pupilName().text(), QStringLiteral("Cleopatra Philopator of t"));
    EXPECT_EQ(w.pupilName().text().size(), ResultsScreen::NameLength);
}

TEST_F(ResultsScreenTest, TimersAreFoundByTheirObjectNames) {
    ResultsScreen& w = showResults(5, 10);
    EXPECT_EQ(w.findChild<Timer*>(QString::fromLatin1(glossary::results::PictureTimer)),
              &w.pictureTimer());
    EXPECT_EQ(w.findChild<Timer*>(QString::fromLatin1(glossary::results::FocusTimer)),
              &w.focusTimer());
    EXPECT_EQ(w.findChild<Timer*>(QString::fromLatin1(glossary::results::CelebrationTimer)),
              &w.celebrationTimer());
    EXPECT_EQ(w.pictureTimer().interval(), 1);
    EXPECT_EQ(w.focusTimer().interval(), 10);
    EXPECT_EQ(w.celebrationTimer().interval(), 1);
    EXPECT_TRUE(w.pictureTimer().isEnabled());
    EXPECT_FALSE(w.focusTimer().isEnabled());
    EXPECT_FALSE(w.celebrationTimer().isEnabled());
}

TEST_F(ResultsScreenTest, TimerChainShowsPictureFocusesNameAndCelebrates) {
    t.random.values = {0.75f};
    ResultsScreen& w = showResults(10, 10);
    // The pointer has crossed the window background before the chain gets to the links.
    for (const auto& [i, link] : w.links())
        link->setOpaque(false);
    runTimerChain();
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\sphinxsm.jpg")});
    EXPECT_NE(w.sphinxPicture().picture(), nullptr);
    EXPECT_EQ(w.focusWidget(), &w.pupilName());
    EXPECT_TRUE(w.link(ResultsLink::NextStep).isOpaque());
    EXPECT_TRUE(w.link(ResultsLink::Exit).isOpaque());
    EXPECT_EQ(t.sound.played, QStringList{QStringLiteral("wav\\fanf3.wav")});
    EXPECT_TRUE(t.random.values.empty());
}

TEST_F(ResultsScreenTest, MissingPictureLeavesItEmptyAndTheChainGoesOn) {
    t.pictures.setMissing(QStringLiteral("images\\sphinxsm.jpg"));
    t.random.values = {0.0f};
    ResultsScreen& w = showResults(9, 10);
    runTimerChain();
    EXPECT_EQ(w.sphinxPicture().picture(), nullptr);
    EXPECT_NE(w.focusWidget(), &w.pupilName()) << "no name box below full marks";
    EXPECT_EQ(t.sound.played, QStringList{QStringLiteral("wav\\crowd.wav")});
}

struct SoundRow {
    int score;
    std::vector<const char*> sounds;
};

class CelebrationTest : public QuizFixture, public ::testing::WithParamInterface<SoundRow> {};

TEST_P(CelebrationTest, EachPositionOfTheRowIsReachable) {
    const SoundRow& row = GetParam();
    const int count = int(row.sounds.size());
    for (int k = 0; k < count; ++k) {
        // Just inside the k-th share of [0, 1), at both ends.
        for (float r :
             {float(k) / float(count), std::nextafter(float(k + 1) / float(count), 0.0f)}) {
            t.sound.played.clear();
            t.random.values = {r};
            ResultsScreen& w = showResults(row.score, 10);
            w.onCelebrationTimer();
            EXPECT_EQ(t.sound.played, QStringList{QString::fromLatin1(row.sounds[k])})
                << "score " << row.score << " random " << r;
            EXPECT_FALSE(w.celebrationTimer().isEnabled());
            w.unload();
            processDeferredDeletes();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CelebrationTest,
    ::testing::Values(SoundRow{10, {"wav\\fanf2.wav", "wav\\fanf3.wav"}},
                      SoundRow{9, {"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"}},
                      SoundRow{8, {"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"}},
                      SoundRow{7, {"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"}},
                      SoundRow{6, {"wav\\clap3.wav", "wav\\clown.wav"}}),
    [](const auto& info) { return "score" + std::to_string(info.param.score); });

TEST_F(ResultsScreenTest, NoCelebrationBelowSixOrWithSoundOff) {
    for (int score : {0, 3, 5, 11}) {
        ResultsScreen& w = showResults(score, 10);
        w.onCelebrationTimer();
        w.unload();
        processDeferredDeletes();
    }
    ResultsScreen& activity = showResults(4, 4);
    activity.onCelebrationTimer();
    activity.unload();
    processDeferredDeletes();
    EXPECT_TRUE(t.sound.played.isEmpty());

    t.state().soundOn = 0;
    showResults(10, 10);
    runTimerChain();
    results().link(ResultsLink::NextStep).click();
    results().link(ResultsLink::Exit).click();
    EXPECT_TRUE(t.sound.played.isEmpty());
}

// An activity scored again while the screen is up leaves the message as first shown; the
// sound follows the new score.
TEST_F(ResultsScreenTest, SoundFollowsTheLiveScore) {
    t.random.values = {0.1f};
    ResultsScreen& w = showResults(5, 10);
    w.showActivityOutcome({QStringLiteral("An activity"), QString(), 7, 10, {}});
    w.onCelebrationTimer();
    EXPECT_EQ(w.scoreMessage().caption(), QStringLiteral("You have scored 5 out of 10."));
    EXPECT_EQ(t.sound.played, QStringList{QStringLiteral("wav\\drumroll.wav")});
}

// The certificate itself is checked with the printing tests.
TEST_F(ResultsScreenTest, PrintCertificatePrintsWithoutAClick) {
    ResultsScreen& w = showResults(10, 10);
    w.link(ResultsLink::NextStep).click();
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(t.printer.documents.size(), 1u);
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
    EXPECT_FALSE(loaded(WrongAnswersScreen::Name));
    EXPECT_TRUE(loaded(ResultsScreen::Name));
}

TEST_F(ResultsScreenTest, CheckWrongAnswersShowsTheListAndClicks) {
    takeQuiz({3});
    t.sound.played.clear();
    results().link(ResultsLink::NextStep).click();
    EXPECT_TRUE(wrongAnswers().isVisible());
    EXPECT_EQ(t.sound.played, QStringList{Click});
}

TEST_F(ResultsScreenTest, ExitClosesTheWrongAnswersToo) {
    takeQuiz({3, 4});
    results().link(ResultsLink::NextStep).click();
    t.sound.played.clear();
    results().link(ResultsLink::Exit).click();
    EXPECT_FALSE(loaded(ResultsScreen::Name));
    EXPECT_FALSE(loaded(WrongAnswersScreen::Name));
    EXPECT_EQ(t.sound.played, QStringList{Click});
    processDeferredDeletes();

    // Without a list loaded, Exit simply leaves.
    showResults(2, 4).link(ResultsLink::Exit).click();
    EXPECT_FALSE(loaded(ResultsScreen::Name));
    EXPECT_FALSE(loaded(WrongAnswersScreen::Name));
}

} // namespace
