#include "model/QuizSession.h"
#include "platform/RuntimeError.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace av;

namespace {

// Ten questions whose correct choices run 1, 2, 3, 4, 1, 2, ...
class QuizSessionTest : public ::testing::Test {
  protected:
    QuizSessionTest() {
        for (int n = 1; n <= QuestionSet::Size; ++n)
            set.question(n).correct = QString::number(right(n));
        session.start();
    }
    static int right(int n) { return (n - 1) % 4 + 1; }
    static int wrong(int n) { return right(n) % 4 + 1; }
    // Answers from the question on show to the end, wrong on the questions given.
    void answerToTheEnd(std::initializer_list<int> wrongOnes) {
        while (!session.isOver()) {
            const int n = session.currentQuestion();
            const bool miss = std::find(wrongOnes.begin(), wrongOnes.end(), n) != wrongOnes.end();
            session.answerAndGoOn(set, miss ? wrong(n) : right(n));
        }
    }

    QuestionSet set;
    QuizSession session;
};

TEST_F(QuizSessionTest, ScoresTheQuestionsLeftForwardsWithTheirCorrectChoice) {
    EXPECT_EQ(session.currentQuestion(), 1);
    answerToTheEnd({2, 5, 9});
    EXPECT_TRUE(session.isOver());
    EXPECT_EQ(session.currentQuestion(), 11);
    EXPECT_EQ(session.score(), 7);
    EXPECT_EQ(session.total(), 10);
    EXPECT_EQ(session.wrongQuestions(), (QList<int>{2, 5, 9}));
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(session.isMarkedRight(n), n != 2 && n != 5 && n != 9) << n;
}

TEST_F(QuizSessionTest, NoAnswerAndAnOddCorrectValueAreWrong) {
    set.question(3).correct = QStringLiteral("7");
    session.answerAndGoOn(set, 0);        // question 1: nothing chosen
    session.answerAndGoOn(set, right(2)); // question 2
    session.answerAndGoOn(set, 3);        // question 3 names no choice
    answerToTheEnd({});
    EXPECT_EQ(session.score(), 8);
    EXPECT_EQ(session.wrongQuestions(), (QList<int>{1, 3}));
}

TEST_F(QuizSessionTest, GoingBackRecordsNothingAndTheLastWayForwardCounts) {
    session.answerAndGoOn(set, right(1));
    session.answerAndGoOn(set, right(2));
    session.goBack();
    EXPECT_EQ(session.currentQuestion(), 2);
    EXPECT_TRUE(session.isMarkedRight(2)) << "going back keeps the mark";
    session.answerAndGoOn(set, wrong(2));
    EXPECT_FALSE(session.isMarkedRight(2));
    session.goBack();
    session.answerAndGoOn(set, right(2));
    EXPECT_TRUE(session.isMarkedRight(2));
    // A question never left forwards stays wrong.
    session.answerAndGoOn(set, right(3));
    session.goBack();
    session.goBack();
    EXPECT_EQ(session.currentQuestion(), 2);
    EXPECT_FALSE(session.isMarkedRight(4));
    EXPECT_EQ(session.score(), 3);
}

// The heading a certificate names outlives the quiz on the results side (ResultsPrintTest).
TEST_F(QuizSessionTest, StartingAgainForgetsTheMarks) {
    answerToTheEnd({});
    EXPECT_EQ(session.score(), 10);
    session.start();
    EXPECT_EQ(session.currentQuestion(), 1);
    EXPECT_FALSE(session.isOver());
    EXPECT_EQ(session.score(), 0);
    EXPECT_EQ(session.wrongQuestions().size(), 10);
}

// Each question appears with no answer yet; the answer chosen is the one recorded.
TEST_F(QuizSessionTest, EveryQuestionAppearsWithNoAnswerYet) {
    EXPECT_EQ(session.chosen(), QuizSession::NoAnswer);
    session.choose(right(1));
    session.answerAndGoOn(set);
    EXPECT_TRUE(session.isMarkedRight(1));
    EXPECT_EQ(session.chosen(), QuizSession::NoAnswer);
    session.choose(right(2));
    session.goBack();
    EXPECT_EQ(session.chosen(), QuizSession::NoAnswer) << "going back clears the choice";
    session.answerAndGoOn(set);
    EXPECT_FALSE(session.isMarkedRight(1)) << "question 1 left with no answer";
    session.choose(3);
    session.start();
    EXPECT_EQ(session.chosen(), QuizSession::NoAnswer);
}

TEST_F(QuizSessionTest, AnsweringOutsideTheTenQuestionsIsASubscriptError) {
    answerToTheEnd({});
    for (int n : {0, 11})
        EXPECT_THROW((void)session.isMarkedRight(n), RuntimeError) << n;
    try {
        session.answerAndGoOn(set, 1);
        FAIL() << "an eleventh question was answered";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::SubscriptOutOfRange);
    }
    EXPECT_EQ(session.score(), 10) << "the failed answer changed nothing";

    session.start();
    session.goBack();
    EXPECT_EQ(session.currentQuestion(), 0);
    EXPECT_THROW(session.answerAndGoOn(set, 1), RuntimeError);
}

} // namespace
