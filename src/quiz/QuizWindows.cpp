#include "QuizWindows.h"

#include "QuizScreen.h"
#include "ResultsScreen.h"
#include "WrongAnswersScreen.h"

#include "shell/App.h"

#include <memory>

namespace av {

void registerQuizWindows(App& app) {
    // Kept for the whole run, across the results screen's loads.
    auto lastQuizHeading = std::make_shared<QString>();
    app.windows.define(QString::fromLatin1(QuizScreen::Name),
                       [&app] { return new QuizScreen(app); });
    app.windows.define(QString::fromLatin1(ResultsScreen::Name),
                       [&app, lastQuizHeading] { return new ResultsScreen(app, lastQuizHeading); });
    app.windows.define(QString::fromLatin1(WrongAnswersScreen::Name),
                       [&app] { return new WrongAnswersScreen(app); });
}

} // namespace av
