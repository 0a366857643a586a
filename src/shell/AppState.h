#pragma once

#include "model/QuestionSet.h"
#include "model/WorksheetRegister.h"

#include <QString>
#include <array>

namespace av {

// An activity's running score.
struct ScoreState {
    int score = 0;
    int total = 0;
};

// Program-wide state: one instance, owned by the application and handed to every window.
struct AppState {
    bool soundOn = false; // silent until the menu or a test turns it on
    QuestionSet questionSet;
    ScoreState scoreState;
    WorksheetRegister worksheets; // the copy last read from the register file
};

} // namespace av
