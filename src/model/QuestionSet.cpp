#include "QuestionSet.h"

#include "Slots.h"

namespace av {

Question& QuestionSet::question(int n) {
    return m_questions[slotIndex(n, Size, "question")];
}

const Question& QuestionSet::question(int n) const {
    return m_questions[slotIndex(n, Size, "question")];
}

} // namespace av
