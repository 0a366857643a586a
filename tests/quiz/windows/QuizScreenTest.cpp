#include "QuizFixture.h"

#include "platform/SequentialFile.h"
#include "model/QuestionFile.h"

#include <QApplication>
#include <QMouseEvent>

using namespace av;
using namespace av::test;

namespace {

const QString Click = QStringLiteral("wav\\click.wav");
const QString TypeKey = QStringLiteral("wav\\typekey.wav");

class QuizScreenTest : public QuizFixture {
  protected:
    int checkedChoice(QuizScreen& quiz) {
        for (int i = 1; i <= 4; ++i)
            if (quiz.Option1[i].isChecked()) return i;
        return 0;
    }
    std::array<int, 11> marks() { return t.state().answerMarks; }
    QStringList visibleRows() {
        QStringList rows;
        for (const auto& [k, row] : wrongAnswers().Label2)
            if (shown(*row)) rows.append(row->caption());
        return rows;
    }
};

TEST_F(QuizScreenTest, LoadResetsTheScoreAndShowsTheFirstQuestion) {
    t.state().scoreState = {3, 4};
    t.state().currentQuestion = 7;
    t.state().answerMarks.fill(1);
    QuizScreen& quiz = openQuiz();
    EXPECT_EQ(t.state().scoreState.score, 0);
    EXPECT_EQ(t.state().scoreState.total, 10);
    EXPECT_EQ(t.state().currentQuestion, 1);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(marks()[n], 0) << n;

    EXPECT_EQ(quiz.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(quiz.Label6.caption(), QStringLiteral("Rivers and Roads"));
    EXPECT_EQ(quiz.Label4.caption(), QStringLiteral("Question 1"));
    EXPECT_EQ(quiz.Label2.caption(), questionText(1));
    EXPECT_EQ(quiz.Option1[1].text(), QStringLiteral("North 1"));
    EXPECT_EQ(quiz.Option1[4].text(), QStringLiteral("West 1"));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(quiz.Option1[i].backColor(), QColor(0, 78, 152));
    EXPECT_EQ(checkedChoice(quiz), 0);
    EXPECT_TRUE(quiz.Option1[QuizScreen::NoChoice].isChecked());
    EXPECT_EQ(quiz.focusWidget(), &quiz.Option1[QuizScreen::NoChoice]);
    EXPECT_FALSE(shown(quiz.label3[0]));
    EXPECT_EQ(quiz.label3[1].caption(), QStringLiteral("Next Question >>"));
    EXPECT_TRUE(shown(quiz.label3[2]));
    EXPECT_FALSE(shown(quiz.label3[3])) << "worksheet printing is not offered";
    EXPECT_TRUE(t.sound.played.isEmpty());
}

TEST_F(QuizScreenTest, NoChoiceButtonLiesHiddenUnderThePicture) {
    QuizScreen& quiz = openQuiz();
    OptionButton& none = quiz.Option1[QuizScreen::NoChoice];
    EXPECT_FLOAT_EQ(none.Left(), 7080);
    EXPECT_FLOAT_EQ(none.Top(), 480);
    EXPECT_TRUE(quiz.Picture1.geometry().contains(none.geometry()));
    EXPECT_EQ(quiz.childAt(none.geometry().center()), &quiz.Picture1);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\pyramidssm.jpg")});
}

TEST_F(QuizScreenTest, WidgetsAreFoundByTheirDesignNames) {
    QuizScreen& quiz = openQuiz();
    struct Place {
        const char* name;
        int index;
        QRectF box;
    };
    const Place places[] = {
        {"Label1", -1, {120, 120, 6240, 900}},   {"Label5", -1, {120, 1200, 6465, 585}},
        {"Label6", -1, {120, 1920, 6465, 705}},  {"Picture1", -1, {6840, 240, 855, 615}},
        {"Label4", -1, {360, 3240, 5415, 615}},  {"Label2", -1, {960, 3960, 9840, 1455}},
        {"Option1", 1, {2400, 5400, 6975, 525}}, {"Option1", 4, {2400, 7200, 6975, 525}},
        {"label3", 0, {2040, 7920, 3765, 495}},  {"label3", 1, {6000, 7920, 3765, 495}},
        {"label3", 2, {10560, 7920, 1245, 495}}, {"label3", 3, {7920, 1920, 3045, 495}},
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
        EXPECT_EQ(quiz.Label4.caption(),
                  QStringLiteral("Question") + QLatin1Char(' ') + QString::number(n));
        EXPECT_EQ(quiz.Label2.caption(), questionText(n));
        EXPECT_EQ(quiz.Option1[3].text(), QStringLiteral("South %1").arg(n));
        EXPECT_EQ(shown(quiz.label3[0]), n != 1) << n;
        EXPECT_EQ(quiz.label3[1].caption(),
                  n == 10 ? QStringLiteral("Check Score >>") : QStringLiteral("Next Question >>"))
            << n;
        if (n < 10) answer(quiz, 0);
    }
    quiz.label3[0].click();
    EXPECT_EQ(t.state().currentQuestion, 9);
    EXPECT_EQ(quiz.label3[1].caption(), QStringLiteral("Next Question >>"));
}

TEST_F(QuizScreenTest, AQuestionLeftForwardsScoresOnlyItsLastSelection) {
    QuizScreen& quiz = openQuiz();
    answer(quiz, 0); // question 1 with nothing chosen
    EXPECT_EQ(marks()[1], 0);
    answer(quiz, correctChoice(2));
    EXPECT_EQ(marks()[2], 1);
    answer(quiz, correctChoice(3));
    EXPECT_EQ(marks()[3], 1);

    // Back to question 3: its choice is not restored, so Next alone now records a miss.
    quiz.label3[0].click();
    EXPECT_EQ(t.state().currentQuestion, 3);
    EXPECT_EQ(checkedChoice(quiz), 0);
    EXPECT_EQ(marks()[3], 1) << "going back records nothing";
    answer(quiz, 0);
    EXPECT_EQ(marks()[3], 0);

    // Question 5 answered right but left backwards: nothing is recorded for it.
    answer(quiz, correctChoice(4));
    quiz.Option1[correctChoice(5)].click();
    quiz.label3[0].click();
    EXPECT_EQ(marks()[5], 0);
    EXPECT_EQ(marks()[4], 1);
    answer(quiz, 0);
    answer(quiz, 0);
    EXPECT_EQ(marks()[4], 0);
    EXPECT_EQ(marks()[5], 0);

    // A mark can also turn from wrong to right.
    quiz.label3[0].click();
    answer(quiz, correctChoice(5));
    EXPECT_EQ(marks()[5], 1);
    EXPECT_EQ(t.state().currentQuestion, 6);
}

TEST_F(QuizScreenTest, OnlyThePupilsChoiceMakesTheKeySound) {
    QuizScreen& quiz = openQuiz();
    quiz.Option1[2].click();
    EXPECT_EQ(t.sound.played, QStringList{TypeKey});
    answer(quiz, 0);
    quiz.label3[0].click();
    EXPECT_EQ(t.sound.played, (QStringList{TypeKey, Click, Click}));
    t.state().soundOn = 0;
    answer(quiz, 3);
    EXPECT_EQ(t.sound.played.size(), 3);
}

TEST_F(QuizScreenTest, QuizWithThreeWrongAnswersListsThemInOrder) {
    // The set comes through a question file, as a topic screen loads it.
    QuestionSet written = t.state().questionSet;
    written.title = QStringLiteral("Rivers, Roads");
    t.state().questionSet = QuestionSet{};
    t.writeFile(QStringLiteral("multiple/Rivers.txt"),
                (questionFileLines(written).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))
                    .toLatin1());
    t.app().file1.openInput(QStringLiteral("multiple\\Rivers.txt"));
    readQuestionSet(t.app().file1, t.state().questionSet);
    t.app().file1.close();

    takeQuiz({2, 5, 9});
    EXPECT_FALSE(loaded(QuizScreen::Name));
    EXPECT_EQ(t.state().scoreState.score, 7);
    EXPECT_EQ(t.state().scoreState.total, 10);
    EXPECT_EQ(t.state().topicTitle, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(visibleRows(), (QStringList{QStringLiteral(" 2. ") + questionText(2),
                                          QStringLiteral(" 5. ") + questionText(5),
                                          QStringLiteral(" 9. ") + questionText(9)}));
    EXPECT_EQ(wrongAnswers().Label2[2].caption(), QStringLiteral(" 9. Which river is number 9?"));
    EXPECT_EQ(wrongAnswers().Label6.caption(), QStringLiteral("Rivers, Roads"));
    EXPECT_FALSE(wrongAnswers().isVisible()) << "shown only on request";

    ResultsScreen& w = results();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Label1.caption(), QStringLiteral("You have scored 7 out of 10."));
    EXPECT_FALSE(shown(w.Label6));
    EXPECT_TRUE(shown(w.Label5));
    EXPECT_TRUE(shown(w.label3[0]));
    EXPECT_EQ(w.label3[0].caption(), QStringLiteral("Check Wrong Answers"));
    EXPECT_EQ(t.sound.played.count(Click), 10);
    EXPECT_EQ(t.sound.played.count(TypeKey), 10);
    EXPECT_EQ(t.sound.played.last(), Click) << "the click follows the scoring";
}

TEST_F(QuizScreenTest, AllTenRightFillsNoRow) {
    takeQuiz({});
    EXPECT_EQ(t.state().scoreState.score, 10);
    EXPECT_TRUE(visibleRows().isEmpty());
    ResultsScreen& w = results();
    EXPECT_EQ(w.Label1.caption(), QStringLiteral("Excellent work. You have scored 10 out of 10."));
    EXPECT_EQ(w.label3[0].caption(), QStringLiteral("Print Certificate"));
    EXPECT_TRUE(shown(w.label3[0]));
    EXPECT_TRUE(shown(w.Text1));
    EXPECT_TRUE(shown(w.Label2));
    EXPECT_FALSE(shown(w.Label6));
    EXPECT_TRUE(w.Label5.caption().isEmpty());
}

TEST_F(QuizScreenTest, ASecondQuizStartsFromNothing) {
    takeQuiz({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(t.state().scoreState.score, 0);
    EXPECT_EQ(visibleRows().size(), 10);
    results().label3[1].click();
    processDeferredDeletes();

    takeQuiz({10});
    EXPECT_EQ(t.state().scoreState.score, 9);
    EXPECT_EQ(visibleRows(), QStringList{QStringLiteral(" 10. ") + questionText(10)});
    EXPECT_EQ(results().Label1.caption(),
              QStringLiteral("Good work. You have scored 9 out of 10."));
}

TEST_F(QuizScreenTest, CorrectValueOutsideOneToFourIsNeverRight) {
    QuestionSet& set = t.state().questionSet;
    set.correct[1] = QStringLiteral("5");
    set.correct[2] = QStringLiteral("0");
    set.correct[3] = QStringLiteral("x");
    set.correct[4] = QString();
    set.correct[5] = QStringLiteral("-1");
    QuizScreen& quiz = openQuiz();
    for (int n = 1; n <= 5; ++n) {
        for (int i = 1; i <= 4; ++i) {
            quiz.Option1[i].click();
            quiz.label3[1].click();
            EXPECT_EQ(marks()[n], 0) << "question " << n << " choice " << i;
            quiz.label3[0].click();
        }
        answer(quiz, 1);
    }
    for (int n = 6; n <= 10; ++n)
        answer(quiz, correctChoice(n));
    EXPECT_EQ(t.state().scoreState.score, 5);
    EXPECT_EQ(visibleRows().size(), 5);
}

TEST_F(QuizScreenTest, ExitPassesNothingOnAndStillClicks) {
    QuizScreen& quiz = openQuiz();
    answer(quiz, correctChoice(1));
    quiz.label3[2].click();
    EXPECT_FALSE(loaded(QuizScreen::Name));
    EXPECT_FALSE(loaded(ResultsScreen::Name));
    EXPECT_FALSE(loaded(WrongAnswersScreen::Name));
    EXPECT_EQ(t.sound.played.last(), Click);
    processDeferredDeletes();
}

TEST_F(QuizScreenTest, LinksLightUpUnderThePointerAndClearOverTheWindow) {
    QuizScreen& quiz = openQuiz();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&quiz, &move);
    for (const auto& [i, link] : quiz.label3)
        EXPECT_FALSE(link->isOpaque()) << i;
    emit quiz.label3[2].mouseMove(MouseArgs{});
    EXPECT_TRUE(quiz.label3[2].isOpaque());
    EXPECT_FALSE(quiz.label3[1].isOpaque());
}

} // namespace
