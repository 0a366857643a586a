#include "QuizWindows.h"

#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "WrongAnswersScreen.h"

#include "shell/App.h"

namespace av {

void registerQuizWindows(App& app) {
    app.windows.define(QString::fromLatin1(QuizScreen::Name),
                       [&app] { return new QuizScreen(app); });
    app.windows.define(QString::fromLatin1(ResultsScreen::Name),
                       [&app] { return new ResultsScreen(app); });
    app.windows.define(QString::fromLatin1(WrongAnswersScreen::Name),
                       [&app] { return new WrongAnswersScreen(app); });
}

} // namespace av
