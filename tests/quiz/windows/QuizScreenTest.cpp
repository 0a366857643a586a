#include "QuizFixture.h"

#include "model/QuestionFile.h"
#include "platform/SequentialFile.h"

using namespace av;
using namespace av::test;

namespace {

const QString Click = QStringLiteral("wav\\click.wav");
const QString TypeKey = QStringLiteral("wav\\typekey.wav");

class QuizScreenTest : public QuizFixture {
  protected:
    int checkedChoice(QuizScreen& quiz) {
        for (int i = 1; i <= 4; ++i)
            if (quiz.choiceBox(i).isChecked()) return i;
        return 0;
    }
    bool markedRight(int n) { return quiz().session().isMarkedRight(n); }
    QStringList visibleRows() {
        QStringList rows;
        for (const auto& [k, row] : wrongAnswers().rows())
            if (shown(*row)) rows.append(row->caption());
        return rows;
    }
};

TEST_F(QuizScreenTest, StartResetsTheScoreAndShowsTheFirstQuestion) {
    // A quiz left half way: six questions right, then started again.
    openQuiz();
    for (int n = 1; n <= 6; ++n)
        answer(quiz(), correctChoice(n));
    ASSERT_EQ(quiz().session().score(), 6);
    t.sound.played.clear();
    QuizScreen& quiz = openQuiz();
    const QuizSession& session = quiz.session();
    EXPECT_EQ(session.score(), 0);
    EXPECT_EQ(session.total(), 10);
    EXPECT_EQ(session.currentQuestion(), 1);
    for (int n = 1; n <= 10; ++n)
        EXPECT_FALSE(markedRight(n)) << n;

    EXPECT_EQ(quiz.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(quiz.quizTitle().caption(), QStringLiteral("Rivers and Roads"));
    EXPECT_EQ(quiz.questionNumber().caption(), QStringLiteral("Question 1"));
    EXPECT_EQ(quiz.questionText().caption(), questionText(1));
    EXPECT_EQ(quiz.choiceBox(1).text(), QStringLiteral("North 1"));
    EXPECT_EQ(quiz.choiceBox(4).text(), QStringLiteral("West 1"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(quiz.choiceBox(i).backColor(), QColor(0, 78, 152));
    EXPECT_EQ(checkedChoice(quiz), 0);
    EXPECT_EQ(session.chosen(), QuizSession::NoAnswer);
    // The first answer has the focus, so a screen reader reads the question with it.
    EXPECT_EQ(quiz.focusWidget(), &quiz.choiceBox(1));
    EXPECT_FALSE(shown(quiz.link(QuizLink::PreviousQuestion)));
    EXPECT_EQ(quiz.link(QuizLink::NextQuestion).caption(), QStringLiteral("Next Question >>"));
    EXPECT_TRUE(shown(quiz.link(QuizLink::Exit)));
    EXPECT_FALSE(shown(quiz.link(QuizLink::PrintWorksheet))) << "worksheet printing is not offered";
    EXPECT_TRUE(t.sound.played.isEmpty());
}

// "No answer yet" is the quiz's own value: the window holds the four answers and nothing
// hidden, and each question appears with none of them chosen.
TEST_F(QuizScreenTest, NoAnswerYetIsHeldByTheQuizNotByAHiddenButton) {
    QuizScreen& quiz = openQuiz();
    EXPECT_EQ(quiz.findChildren<OptionButton*>().size(), 4);
    EXPECT_EQ(quiz.widget(QString::fromLatin1(glossary::quiz::ChoiceBoxes), 5), nullptr);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\pyramidssm.jpg")});
    EXPECT_NE(quiz.topicPicture().picture(), nullptr);

    quiz.choiceBox(3).click();
    EXPECT_EQ(quiz.session().chosen(), 3);
    quiz.choiceBox(1).setChecked(true); // chosen by the program as by the pupil
    EXPECT_EQ(quiz.session().chosen(), 1);
    answer(quiz, 0);
    EXPECT_EQ(quiz.session().chosen(), QuizSession::NoAnswer);
    EXPECT_EQ(checkedChoice(quiz), 0);
    quiz.choiceBox(4).click();
    quiz.link(QuizLink::PreviousQuestion).click();
    EXPECT_EQ(quiz.session().chosen(), QuizSession::NoAnswer);
    EXPECT_EQ(checkedChoice(quiz), 0) << "the question gone back to appears unanswered";
    // With nothing chosen any answer can still be chosen, and only one at a time.
    quiz.choiceBox(2).click();
    quiz.choiceBox(4).click();
    EXPECT_EQ(checkedChoice(quiz), 4);
    EXPECT_FALSE(quiz.choiceBox(2).isChecked());
}

TEST_F(QuizScreenTest, WidgetsAreFoundByTheirObjectNames) {
    QuizScreen& quiz = openQuiz();
    struct Place {
        const char* name;
        int index;
        QRectF box;
    };
    using namespace glossary::quiz;
    const Place places[] = {
        {ScreenTitle, -1, {120, 120, 6240, 900}},
        {TopicHeading, -1, {120, 1200, 6465, 585}},
        {QuizTitle, -1, {120, 1920, 6465, 705}},
        {TopicPicture, -1, {6840, 240, 855, 615}},
        {QuestionNumber, -1, {360, 3240, 5415, 615}},
        {QuestionText, -1, {960, 3960, 9840, 1455}},
        {ChoiceBoxes, 1, {2400, 5400, 6975, 525}},
        {ChoiceBoxes, 4, {2400, 7200, 6975, 525}},
        {Links, int(QuizLink::PreviousQuestion), {2040, 7920, 3765, 495}},
        {Links, int(QuizLink::NextQuestion), {6000, 7920, 3765, 495}},
        {Links, int(QuizLink::Exit), {10560, 7920, 1245, 495}},
        {Links, int(QuizLink::PrintWorksheet), {7920, 1920, 3045, 495}},
    };
    for (const Place& p : places) {
        auto* w =
            dynamic_cast<Control<QWidget>*>(quiz.widget(QString::fromLatin1(p.name), p.index));
        auto* b = dynamic_cast<OptionButton*>(quiz.widget(QString::fromLatin1(p.name), p.index));
        ASSERT_TRUE(w || b) << p.name << p.index;
        const QRectF got = w ? QRectF(w->Left(), w->Top(), w->Width(), w->Height())
                             : QRectF(b->Left(), b->Top(), b->Width(), b->Height());
        EXPECT_EQ(got, p.box) << p.name << p.index;
    }
}

TEST_F(QuizScreenTest, PreviousAndCheckScoreAppearOnlyWhereTheyBelong) {
    QuizScreen& quiz = openQuiz();
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(quiz.questionNumber().caption(),
                  QStringLiteral("Question") + QLatin1Char(' ') + QString::number(n));
        EXPECT_EQ(quiz.questionText().caption(), questionText(n));
        EXPECT_EQ(quiz.choiceBox(3).text(), QStringLiteral("South %1").arg(n));
        EXPECT_EQ(shown(quiz.link(QuizLink::PreviousQuestion)), n != 1) << n;
        EXPECT_EQ(quiz.link(QuizLink::NextQuestion).caption(),
                  n == 10 ? QStringLiteral("Check Score >>") : QStringLiteral("Next Question >>"))
            << n;
        if (n < 10) answer(quiz, 0);
    }
    quiz.link(QuizLink::PreviousQuestion).click();
    EXPECT_EQ(quiz.session().currentQuestion(), 9);
    EXPECT_EQ(quiz.link(QuizLink::NextQuestion).caption(), QStringLiteral("Next Question >>"));
}

TEST_F(QuizScreenTest, AQuestionLeftForwardsScoresOnlyItsLastSelection) {
    QuizScreen& quiz = openQuiz();
    answer(quiz, 0); // question 1 with nothing chosen
    EXPECT_FALSE(markedRight(1));
    answer(quiz, correctChoice(2));
    EXPECT_TRUE(markedRight(2));
    answer(quiz, correctChoice(3));
    EXPECT_TRUE(markedRight(3));

    // Back to question 3: its choice is not restored, so Next alone now records a miss.
    quiz.link(QuizLink::PreviousQuestion).click();
    EXPECT_EQ(quiz.session().currentQuestion(), 3);
    EXPECT_EQ(checkedChoice(quiz), 0);
    EXPECT_TRUE(markedRight(3)) << "going back records nothing";
    answer(quiz, 0);
    EXPECT_FALSE(markedRight(3));

    // Question 5 answered right but left backwards: nothing is recorded for it.
    answer(quiz, correctChoice(4));
    quiz.choiceBox(correctChoice(5)).click();
    quiz.link(QuizLink::PreviousQuestion).click();
    EXPECT_FALSE(markedRight(5));
    EXPECT_TRUE(markedRight(4));
    answer(quiz, 0);
    answer(quiz, 0);
    EXPECT_FALSE(markedRight(4));
    EXPECT_FALSE(markedRight(5));

    // A mark can also turn from wrong to right.
    quiz.link(QuizLink::PreviousQuestion).click();
    answer(quiz, correctChoice(5));
    EXPECT_TRUE(markedRight(5));
    EXPECT_EQ(quiz.session().currentQuestion(), 6);
}

TEST_F(QuizScreenTest, OnlyThePupilsChoiceMakesTheKeySound) {
    QuizScreen& quiz = openQuiz();
    quiz.choiceBox(2).click();
    EXPECT_EQ(t.sound.played, QStringList{TypeKey});
    answer(quiz, 0);
    quiz.link(QuizLink::PreviousQuestion).click();
    EXPECT_EQ(t.sound.played, (QStringList{TypeKey, Click, Click}));
    t.state().soundOn = 0;
    answer(quiz, 3);
    EXPECT_EQ(t.sound.played.size(), 3);
}

TEST_F(QuizScreenTest, QuizWithThreeWrongAnswersListsThemInOrder) {
    // The set comes through a question file, as a topic screen loads it.
    QuestionSet written = questions;
    written.title = QStringLiteral("Rivers, Roads");
    questions = QuestionSet{};
    t.writeFile(QStringLiteral("multiple/Rivers.txt"),
                (questionFileLines(written).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
                    .toLatin1());
    SequentialFile file(t.app().services.folder);
    file.openInput(QStringLiteral("multiple\\Rivers.txt"));
    readQuestionSet(file, questions);
    file.close();

    takeQuiz({2, 5, 9});
    EXPECT_FALSE(loaded(QuizScreen::Name));
    const ScoredOutcome& outcome = results().outcome();
    EXPECT_EQ(outcome.score, 7);
    EXPECT_EQ(outcome.total, 10);
    EXPECT_EQ(outcome.heading, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(outcome.activity, QStringLiteral("Rivers, Roads"));
    EXPECT_EQ(outcome.wrong,
              (QStringList{QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("9")}));
    EXPECT_EQ(visibleRows(), (QStringList{QStringLiteral(" 2. ") + questionText(2),
                                          QStringLiteral(" 5. ") + questionText(5),
                                          QStringLiteral(" 9. ") + questionText(9)}));
    EXPECT_EQ(wrongAnswers().row(2).caption(), QStringLiteral(" 9. Which river is number 9?"));
    EXPECT_EQ(wrongAnswers().quizTitle().caption(), QStringLiteral("Rivers, Roads"));
    EXPECT_FALSE(wrongAnswers().isVisible()) << "shown only on request";

    ResultsScreen& w = results();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.scoreMessage().caption(), QStringLiteral("You have scored 7 out of 10."));
    EXPECT_FALSE(shown(w.tryAgainHint()));
    EXPECT_TRUE(shown(w.wrongAnswersHint()));
    EXPECT_TRUE(shown(w.link(ResultsLink::NextStep)));
    EXPECT_EQ(w.link(ResultsLink::NextStep).caption(), QStringLiteral("Check Wrong Answers"));
    EXPECT_EQ(t.sound.played.count(Click), 10);
    EXPECT_EQ(t.sound.played.count(TypeKey), 10);
    EXPECT_EQ(t.sound.played.last(), Click) << "the click follows the scoring";
}

// An activity checked while the quiz is open shows its own score; the quiz's outcome is its
// own all the same, and replaces the activity's message when it is scored.
TEST_F(QuizScreenTest, AnActivityScoredMidQuizLeavesTheQuizOutcomeAlone) {
    QuizScreen& quiz = openQuiz();
    for (int n = 1; n <= 5; ++n)
        answer(quiz, n == 2 ? wrongChoice(n) : correctChoice(n));
    showResults(3, 4);
    ASSERT_EQ(results().scoreMessage().caption(),
              QStringLiteral("Good work. You have scored 3 out of 4."));
    for (int n = 6; n <= 10; ++n)
        answer(quiz, n == 9 ? wrongChoice(n) : correctChoice(n));
    EXPECT_EQ(results().outcome().score, 8);
    EXPECT_EQ(results().outcome().total, 10);
    EXPECT_FALSE(shown(results().tryAgainHint()));
    EXPECT_EQ(results().scoreMessage().caption(),
              QStringLiteral("Good work. You have scored 8 out of 10."));
    EXPECT_EQ(visibleRows(), (QStringList{QStringLiteral(" 2. ") + questionText(2),
                                          QStringLiteral(" 9. ") + questionText(9)}));
}

TEST_F(QuizScreenTest, AllTenRightFillsNoRow) {
    takeQuiz({});
    EXPECT_EQ(results().outcome().score, 10);
    EXPECT_TRUE(visibleRows().isEmpty());
    ResultsScreen& w = results();
    EXPECT_EQ(w.scoreMessage().caption(),
              QStringLiteral("Excellent work. You have scored 10 out of 10."));
    EXPECT_EQ(w.link(ResultsLink::NextStep).caption(), QStringLiteral("Print Certificate"));
    EXPECT_TRUE(shown(w.link(ResultsLink::NextStep)));
    EXPECT_TRUE(shown(w.pupilName()));
    EXPECT_TRUE(shown(w.nameHint()));
    EXPECT_FALSE(shown(w.tryAgainHint()));
    EXPECT_TRUE(w.wrongAnswersHint().caption().isEmpty());
}

TEST_F(QuizScreenTest, ASecondQuizStartsFromNothing) {
    takeQuiz({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(results().outcome().score, 0);
    EXPECT_EQ(visibleRows().size(), 10);
    results().link(ResultsLink::Exit).click();
    processDeferredDeletes();

    takeQuiz({10});
    EXPECT_EQ(results().outcome().score, 9);
    EXPECT_EQ(visibleRows(), QStringList{QStringLiteral(" 10. ") + questionText(10)});
    EXPECT_EQ(results().scoreMessage().caption(),
              QStringLiteral("Good work. You have scored 9 out of 10."));
}

TEST_F(QuizScreenTest, CorrectValueOutsideOneToFourIsNeverRight) {
    QuestionSet& set = questions;
    set.question(1).correct = QStringLiteral("5");
    set.question(2).correct = QStringLiteral("0");
    set.question(3).correct = QStringLiteral("x");
    set.question(4).correct = QString();
    set.question(5).correct = QStringLiteral("-1");
    QuizScreen& quiz = openQuiz();
    for (int n = 1; n <= 5; ++n) {
        for (int i = 1; i <= 4; ++i) {
            quiz.choiceBox(i).click();
            quiz.link(QuizLink::NextQuestion).click();
            EXPECT_FALSE(markedRight(n)) << "question " << n << " choice " << i;
            quiz.link(QuizLink::PreviousQuestion).click();
        }
        answer(quiz, 1);
    }
    for (int n = 6; n <= 10; ++n)
        answer(quiz, correctChoice(n));
    EXPECT_EQ(results().outcome().score, 5);
    EXPECT_EQ(visibleRows().size(), 5);
}

// The quiz shows the set it was last started with, under the title that set carries, and hands
// that title on to the wrong answers as it is, blanks and "&" included.
TEST_F(QuizScreenTest, AQuizStartedAgainWithAnotherSetShowsTheSecond) {
    QuizScreen& quiz = openQuiz();
    answer(quiz, correctChoice(1));
    answer(quiz, correctChoice(2));

    QuestionSet second = questions;
    second.title = QStringLiteral("  Salt & Pepper");
    for (int n = 1; n <= 10; ++n) {
        second.question(n).text = QStringLiteral("Spice %1?").arg(n);
        second.question(n).correct = QStringLiteral("4");
    }
    QuizScreen& again = t.windows().get<QuizScreen>();
    ASSERT_EQ(&again, &quiz) << "still loaded";
    again.start(second, QStringLiteral("Kitchen"), PicturePtr{}, true);
    EXPECT_EQ(quiz.quizTitle().caption(), QStringLiteral("  Salt & Pepper"));
    EXPECT_EQ(quiz.topicHeading().caption(), QStringLiteral("Kitchen"));
    EXPECT_EQ(quiz.topicPicture().picture(), nullptr) << "no picture given";
    EXPECT_EQ(quiz.questionText().caption(), QStringLiteral("Spice 1?"));
    EXPECT_EQ(quiz.session().currentQuestion(), 1);
    EXPECT_EQ(quiz.session().score(), 0);
    EXPECT_TRUE(shown(quiz.link(QuizLink::PrintWorksheet)));
    EXPECT_FALSE(shown(quiz.link(QuizLink::PreviousQuestion)));

    for (int n = 1; n <= 10; ++n)
        answer(quiz, n == 7 ? 1 : 4);
    EXPECT_EQ(wrongAnswers().quizTitle().caption(), QStringLiteral("  Salt & Pepper"));
    EXPECT_EQ(visibleRows(), QStringList{QStringLiteral(" 7. Spice 7?")});
    EXPECT_EQ(results().outcome().activity, QStringLiteral("  Salt & Pepper"));
    EXPECT_EQ(results().outcome().heading, QStringLiteral("Kitchen"));
    EXPECT_EQ(results().scoreMessage().caption(),
              QStringLiteral("Good work. You have scored 9 out of 10."));
}

TEST_F(QuizScreenTest, ExitPassesNothingOnAndStillClicks) {
    QuizScreen& quiz = openQuiz();
    answer(quiz, correctChoice(1));
    quiz.link(QuizLink::Exit).click();
    EXPECT_FALSE(loaded(QuizScreen::Name));
    EXPECT_FALSE(loaded(ResultsScreen::Name));
    EXPECT_FALSE(loaded(WrongAnswersScreen::Name));
    EXPECT_EQ(t.sound.played.last(), Click);
    processDeferredDeletes();
}

} // namespace
