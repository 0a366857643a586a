#include "QuizFixture.h"

using namespace av;
using namespace av::test;

namespace {

class WrongAnswersTest : public QuizFixture {};

TEST_F(WrongAnswersTest, TenWrongAnswersFillEveryRow) {
    takeQuiz({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    WrongAnswersScreen& w = wrongAnswers();
    for (int k = 0; k < WrongAnswersScreen::Rows; ++k) {
        Label& row = w.row(k);
        EXPECT_TRUE(shown(row)) << k;
        EXPECT_FLOAT_EQ(row.Top(), 1680 + 600 * k);
        EXPECT_FLOAT_EQ(row.Left(), 120);
        EXPECT_EQ(row.caption(), QLatin1Char(' ') + QString::number(k + 1) + QStringLiteral(". ") +
                                     questionText(k + 1));
        EXPECT_EQ(row.labelForeColor(), QColor(255, 255, 255));
    }
    EXPECT_FLOAT_EQ(w.row(9).Top(), 7080);
}

TEST_F(WrongAnswersTest, RowsBeyondTheWrongAnswersStayHidden) {
    takeQuiz({4, 10});
    WrongAnswersScreen& w = wrongAnswers();
    EXPECT_EQ(w.row(0).caption(), QStringLiteral(" 4. ") + questionText(4));
    EXPECT_EQ(w.row(1).caption(), QStringLiteral(" 10. ") + questionText(10));
    for (int k = 2; k < WrongAnswersScreen::Rows; ++k)
        EXPECT_FALSE(shown(w.row(k))) << k;
}

TEST_F(WrongAnswersTest, SizableFrameAndOnlyOneLink) {
    takeQuiz({1});
    WrongAnswersScreen& w = wrongAnswers();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_FLOAT_EQ(w.Width(), 12000);
    EXPECT_EQ(w.maximumWidth(), QWIDGETSIZE_MAX) << "the pupil may resize this one";
    EXPECT_NE(results().maximumWidth(), QWIDGETSIZE_MAX);
    EXPECT_EQ(
        w.widget(QString::fromLatin1(glossary::wrongAnswers::Links), int(WrongAnswersLink::Exit)),
        &w.link(WrongAnswersLink::Exit));
    EXPECT_EQ(w.widget(QString::fromLatin1(glossary::wrongAnswers::Links), 0), nullptr);
}

TEST_F(WrongAnswersTest, ExitClosesTheResultsSilently) {
    takeQuiz({2});
    results().link(ResultsLink::NextStep).click();
    t.sound.played.clear();
    wrongAnswers().link(WrongAnswersLink::Exit).click();
    EXPECT_FALSE(loaded(WrongAnswersScreen::Name));
    EXPECT_FALSE(loaded(ResultsScreen::Name));
    EXPECT_TRUE(t.sound.played.isEmpty());
}

} // namespace
