#pragma once

#include "model/QuestionSet.h"
#include "model/QuizSession.h"
#include "model/WorksheetRegister.h"

#include <QString>
#include <array>

namespace av {

// The score the results screen shows, handed over by whichever quiz or activity finished last;
// activities keep their running score here too.
struct ScoreState {
    int score = 0;
    int total = 0;
};

// Program-wide state: one instance, owned by the application and handed to every window.
struct AppState {
    bool soundOn = false;     // silent until the menu or a test turns it on
    bool keepResults = false; // pupils' results are kept, and the teacher may see them
    QString pageSetKey;
    int pageCount = 0;
    int currentPage = 0;
    int logoFrame = 0; // never reset
    QuestionSet questionSet;
    QuizSession quiz;
    ScoreState scoreState;
    WorksheetRegister worksheets; // the copy last read from the register file
};

} // namespace av
