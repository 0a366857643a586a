#include "PageWindows.h"

#include "Guide.h"
#include "PageViewer.h"

#include "shell/App.h"

namespace av {

void registerPageWindows(App& app) {
    app.windows.define(QString::fromLatin1(PageViewer::Name),
                       [&app] { return new PageViewer(app); });
    app.windows.define(QString::fromLatin1(Guide::Name), [&app] { return new Guide(app); });
}

} // namespace av
