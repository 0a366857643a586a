#pragma once

#include <QString>
#include <array>

namespace av {

// One quiz question as a question file holds it. The correct choice is kept as the text the
// file gives, so a file with an odd value there writes back unchanged.
struct Question {
    static constexpr int Choices = 4;

    QString text;
    std::array<QString, Choices> choices;
    QString correct;

    // Choice c, 1 to 4; anything else is a subscript error.
    QString& choice(int c);
    const QString& choice(int c) const;
    // The choice 1 to 4 that `correct` names, or 0 when it names none of them.
    int correctChoice() const;
    // Whether picking choice c (0 for none) answers the question; a question whose correct
    // value names no choice is never answered.
    bool isAnsweredBy(int c) const;
};

} // namespace av
