#pragma once

#include <QString>
#include <array>

namespace av {

// The loaded worksheet. Per-question slots run 1..10; slot 0 is never used.
struct QuestionSet {
    QString title;
    std::array<QString, 11> question;
    std::array<QString, 11> choice1;
    std::array<QString, 11> choice2;
    std::array<QString, 11> choice3;
    std::array<QString, 11> choice4;
    std::array<QString, 11> correct;
};

} // namespace av
