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

    // Back at question 1 with nothing answered.
    void start();

    int currentQuestion() const { return m_current; }
    void goBack() { --m_current; }
    // Records the answer to the question on show (choice 1 to 4, or 0 for none) and moves to
    // the next one; past the last question the quiz is over.
    void answerAndGoOn(const QuestionSet& set, int choice);
    bool isOver() const { return m_current > Questions; }

    // Question n, 1 to 10; anything else is a subscript error.
    bool isMarkedRight(int n) const;
    int score() const;
    int total() const { return Questions; }
    // The questions not marked right, in question order.
    QList<int> wrongQuestions() const;

    // The heading of the last quiz scored, which the certificate names. Starting a quiz keeps it.
    QString topic;

  private:
    int m_current = 0;
    std::array<bool, Questions> m_right{};
};

} // namespace av
