#include "WorksheetWindows.h"

#include "WorksheetCatalogue.h"
#include "WorksheetWizard.h"

#include "shell/App.h"

namespace av {

void registerWorksheetWindows(App& app) {
    app.windows.define(QString::fromLatin1(WorksheetWizard::Name),
                       [&app] { return new WorksheetWizard(app); });
    app.windows.define(QString::fromLatin1(WorksheetCatalogue::Name),
                       [&app] { return new WorksheetCatalogue(app); });
}

} // namespace av
