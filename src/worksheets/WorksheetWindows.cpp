#include "WorksheetWindows.h"

#include "Wizard.h"
#include "Worksheets.h"

#include "shell/App.h"

namespace av {

void registerWorksheetWindows(App& app) {
    app.windows.define(QString::fromLatin1(Wizard::Name), [&app] { return new Wizard(app); });
    app.windows.define(QString::fromLatin1(Worksheets::Name),
                       [&app] { return new Worksheets(app); });
}

} // namespace av
