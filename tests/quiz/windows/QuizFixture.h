#pragma once

#include "TestApp.h"

#include "quiz/QuizScreen.h"
#include "quiz/ResultsScreen.h"
#include "quiz/WrongAnswersScreen.h"

#include <gtest/gtest.h>
#include <set>

namespace av::test {

// Ten questions whose correct choices run 1, 2, 3, 4, 1, 2, ... with sound switched on.
class QuizFixture : public ::testing::Test {
  protected:
    QuizFixture();

    static int correctChoice(int n) { return (n - 1) % 4 + 1; }
    static int wrongChoice(int n) { return correctChoice(n) % 4 + 1; }
    static QString questionText(int n) {
        return QStringLiteral("Which river is number %1?").arg(n);
    }

    // Starts the quiz on the fixture's questions as a topic screen does: heading and picture.
    QuizScreen& openQuiz();
    // The quiz while it is loaded.
    QuizScreen& quiz();
    // Chooses an option (0 chooses nothing) and presses Next or Check Score.
    void answer(QuizScreen& quiz, int choice);
    // A whole quiz from question 1, wrong on the given questions and right on the others.
    void takeQuiz(const std::set<int>& wrong);
    // The results screen as an activity shows it: the score handed over, nothing else.
    ResultsScreen& showResults(int score, int total);

    ResultsScreen& results() { return t.windows().get<ResultsScreen>(); }
    WrongAnswersScreen& wrongAnswers() { return t.windows().get<WrongAnswersScreen>(); }
    bool loaded(const char* name);
    // Lets the results screen's three timers run out.
    void runTimerChain();

    TestApp t;
    QuestionSet questions;
};

// Visible as the window will show it, whether or not the window is on screen yet.
inline bool shown(const QWidget& widget) {
    return widget.isVisibleTo(widget.window());
}

} // namespace av::test
