#include "QuizWindows.h"

#include "Multiple.h"
#include "Welldone.h"
#include "Wrong.h"

#include "shell/App.h"

namespace av {

void registerQuizWindows(App& app) {
    app.windows.define(QString::fromLatin1(Multiple::Name), [&app] { return new Multiple(app); });
    app.windows.define(QString::fromLatin1(Welldone::Name), [&app] { return new Welldone(app); });
    app.windows.define(QString::fromLatin1(Wrong::Name), [&app] { return new Wrong(app); });
}

} // namespace av
