// The results screen keeps each score, as pupils finish quizzes and activities one after another,
// in real results files; a school that keeps no results sees and keeps nothing new.
#include "KeyEvents.h"
#include "TestApp.h"
#include "TypeText.h"

#include "model/ResultsFolder.h"
#include "program/Program.h"
#include "quiz/ResultsScreen.h"
#include "shell/TitleScreen.h"
#include "views/TitleScreenView.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

class ResultsRecordingTest : public ::testing::Test {
  protected:
    void SetUp() override { registerAllWindows(t.app()); }
    ResultsScreen& results() { return t.windows().get<ResultsScreen>(); }
    void close() {
        results().link(ResultsLink::Exit).click();
        processDeferredDeletes();
    }
    QList<PupilResult> kept() {
        return ResultsFolder(t.app().services.folder.worksheetFolder()).read().results;
    }
    static ScoredOutcome quiz(int score, QStringList wrong) {
        return {QStringLiteral("Rome, Greece & Egypt"), QStringLiteral("Ancient Velmora"), score,
                10, std::move(wrong)};
    }
    TestApp t;
};

TEST_F(ResultsRecordingTest, EachScoreIsKeptUnderTheNameInTheBoxWhichTheNextScoreOffersAgain) {
    t.state().keepResults = true;
    results().showQuizOutcome(
        quiz(7, {QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("9")}));
    ASSERT_TRUE(results().pupilName().isVisibleTo(&results())) << "a name box at every score";
    EXPECT_TRUE(results().nameCaption().isVisibleTo(&results()));
    EXPECT_FALSE(
        results().pupilName().geometry().intersects(results().wrongAnswersHint().geometry()));
    EXPECT_EQ(results().pupilName().text(), QString());
    typeText(results().pupilName(), QStringLiteral("Zoë"));
    close();

    QList<PupilResult> seen = kept();
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].pupil, QStringLiteral("Zoë"));
    EXPECT_EQ(seen[0].activity, QStringLiteral("Rome, Greece & Egypt"));
    EXPECT_EQ(seen[0].score, 7);
    EXPECT_EQ(seen[0].outOf, 10);
    EXPECT_EQ(seen[0].wrong,
              (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("9")}));

    // The same pupil's full marks: the certificate's box starts with the name typed before.
    results().showActivityOutcome({QStringLiteral("The Pyramids: Labelling Activity"),
                                   QStringLiteral("The Pyramids"),
                                   4,
                                   4,
                                   {}});
    EXPECT_EQ(results().pupilName().text(), QStringLiteral("Zoë"));
    EXPECT_FALSE(results().nameCaption().isVisibleTo(&results())) << "the certificate's hint";
    close();
    seen = kept();
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[0].activity, QStringLiteral("The Pyramids: Labelling Activity"));
    EXPECT_EQ(seen[0].pupil, QStringLiteral("Zoë"));

    // The next pupil starts at the title screen: an empty box, kept as "No name".
    t.windows().show(QString::fromLatin1(TitleScreen::Name));
    TitleScreenView(t.windows().get<TitleScreen>()).okButton().click();
    processDeferredDeletes();
    results().showQuizOutcome(quiz(3, {}));
    EXPECT_EQ(results().pupilName().text(), QString());
    close();
    seen = kept();
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0].pupil, QStringLiteral("No name"));
}

TEST_F(ResultsRecordingTest, WithResultsOffTheScreenIsAsItWasAndNothingIsWritten) {
    results().showQuizOutcome(quiz(7, {QStringLiteral("1")}));
    EXPECT_FALSE(results().pupilName().isVisibleTo(&results()));
    EXPECT_FALSE(results().nameCaption().isVisibleTo(&results()));
    close();
    results().showQuizOutcome(quiz(10, {}));
    EXPECT_TRUE(results().pupilName().isVisibleTo(&results()));
    close();
    EXPECT_FALSE(
        QDir(t.app().services.folder.worksheetFolder() + QStringLiteral("/results")).exists());
}

TEST_F(ResultsRecordingTest, AResultThatCannotBeKeptIsSaidNotLost) {
    t.state().keepResults = true;
    const QString folder = t.app().services.folder.worksheetFolder();
    QDir().mkpath(folder);
    // A file where the results folder should be: nothing can be appended beneath it.
    QFile blocker(folder + QStringLiteral("/results"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    results().showQuizOutcome(quiz(5, {}));
    close();
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_TRUE(t.messages.shown[0].text.startsWith(
        QStringLiteral("Your result could not be kept for your teacher")));
}

} // namespace
