#include "ResultsWindows.h"

#include "PupilsResultsScreen.h"

#include "shell/App.h"

namespace av {

void registerResultsWindows(App& app) {
    app.windows.define(QString::fromLatin1(PupilsResultsScreen::Name),
                       [&app] { return new PupilsResultsScreen(app); });
}

} // namespace av
