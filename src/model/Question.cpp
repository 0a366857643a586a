#include "Question.h"

#include "Slots.h"

namespace av {

QString& Question::choice(int c) {
    return choices[slotIndex(c, Choices, "choice")];
}

const QString& Question::choice(int c) const {
    return choices[slotIndex(c, Choices, "choice")];
}

int Question::correctChoice() const {
    bool ok = false;
    const int c = correct.trimmed().toInt(&ok);
    return ok && c >= 1 && c <= Choices ? c : 0;
}

bool Question::isAnsweredBy(int c) const {
    const int right = correctChoice();
    return right != 0 && c == right;
}

} // namespace av
