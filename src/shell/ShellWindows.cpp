#include "ShellWindows.h"

#include "App.h"
#include "Backdrop.h"
#include "TitleScreen.h"

namespace av {

void registerShellWindows(App& app) {
    app.windows.setBackdropName(QString::fromLatin1(Backdrop::Name));
    app.windows.define(QString::fromLatin1(TitleScreen::Name),
                       [&app] { return new TitleScreen(app); });
    app.windows.define(QString::fromLatin1(Backdrop::Name), [&app] { return new Backdrop(app); });
}

} // namespace av
