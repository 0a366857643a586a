#include "PageWindows.h"

#include "LogoCycle.h"
#include "PageViewer.h"
#include "TeachersGuide.h"

#include "shell/App.h"

#include <memory>

namespace av {

void registerPageWindows(App& app) {
    // The viewer is built anew each time it opens, yet its logo carries on from the frame it
    // last showed: the frame is kept by the definition that builds the viewer, for the run.
    auto logo = std::make_shared<LogoCycle>();
    app.windows.define(QString::fromLatin1(PageViewer::Name),
                       [&app, logo] { return new PageViewer(app, *logo); });
    app.windows.define(QString::fromLatin1(TeachersGuide::Name),
                       [&app] { return new TeachersGuide(app); });
}

} // namespace av
