#include "QuizSession.h"

#include "Slots.h"

namespace av {

void QuizSession::start() {
    m_current = 1;
    m_right.fill(false);
    m_chosen = NoAnswer;
}

void QuizSession::goBack() {
    --m_current;
    m_chosen = NoAnswer;
}

void QuizSession::answerAndGoOn(const QuestionSet& set, int choice) {
    const size_t i = slotIndex(m_current, Questions, "question mark");
    m_right[i] = set.question(m_current).isAnsweredBy(choice);
    ++m_current;
    m_chosen = NoAnswer;
}

bool QuizSession::isMarkedRight(int n) const {
    return m_right[slotIndex(n, Questions, "question mark")];
}

int QuizSession::score() const {
    int score = 0;
    for (bool right : m_right)
        score += right ? 1 : 0;
    return score;
}

QList<int> QuizSession::wrongQuestions() const {
    QList<int> wrong;
    for (int n = 1; n <= Questions; ++n)
        if (!isMarkedRight(n)) wrong.append(n);
    return wrong;
}

} // namespace av
