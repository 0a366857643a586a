#include "PageWindows.h"

#include "PageViewer.h"
#include "TeachersGuide.h"

#include "shell/App.h"

namespace av {

void registerPageWindows(App& app) {
    app.windows.define(QString::fromLatin1(PageViewer::Name),
                       [&app] { return new PageViewer(app); });
    app.windows.define(QString::fromLatin1(TeachersGuide::Name),
                       [&app] { return new TeachersGuide(app); });
}

} // namespace av
