#pragma once

#include "model/QuestionSet.h"

#include <QString>
#include <array>

namespace av {

// The result handed to the results screen.
struct ScoreState {
    int score = 0;
    int total = 0;
};

inline constexpr int RegisterSlots = 1001; // names 0..1000

// Program-wide state: one instance, owned by the application and handed to every window.
struct AppState {
    int soundOn = 0; // 1 plays sounds; unset or 0 is silent
    QString pageSetKey;
    int pageCount = 0;
    int currentPage = 0;
    int logoFrame = 0; // never reset
    QuestionSet questionSet;
    int currentQuestion = 0;
    std::array<int, 11> answerMarks{};
    ScoreState scoreState;
    QString topicTitle;
    int registerCount = 0;
    std::array<QString, RegisterSlots> registerNames;
    QString deleteName;
    int cataloguePage = 0;
};

} // namespace av
