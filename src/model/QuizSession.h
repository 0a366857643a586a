#pragma once

#include "QuestionSet.h"

#include <QList>
#include <QString>
#include <array>

namespace av {

// A pupil's way through a quiz: the question on show and, for each question, whether it was
// right when the pupil last left it forwards. Leaving a question backwards records nothing.
class QuizSession {
  public:
    static constexpr int Questions = QuestionSet::Size;
    // What is chosen while a question has no answer yet.
    static constexpr int NoAnswer = 0;

    // Back at question 1 with nothing answered.
    void start();

    int currentQuestion() const { return m_current; }
    // The choice selected on the question on show, 1 to 4, or NoAnswer. Every question
    // appears with no answer, the one gone back to included.
    int chosen() const { return m_chosen; }
    void choose(int choice) { m_chosen = choice; }
    void goBack();
    // Records the answer to the question on show (choice 1 to 4, or 0 for none) and moves to
    // the next one; past the last question the quiz is over.
    void answerAndGoOn(const QuestionSet& set, int choice);
    // The same with the choice selected now.
    void answerAndGoOn(const QuestionSet& set) { answerAndGoOn(set, m_chosen); }
    bool isOver() const { return m_current > Questions; }

    // Question n, 1 to 10; anything else is a subscript error.
    bool isMarkedRight(int n) const;
    int score() const;
    int total() const { return Questions; }
    // The questions not marked right, in question order.
    QList<int> wrongQuestions() const;

  private:
    int m_current = 0;
    int m_chosen = NoAnswer;
    std::array<bool, Questions> m_right{};
};

} // namespace av
