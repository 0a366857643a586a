#include "ShellWindows.h"

#include "App.h"
#include "Grey.h"
#include "Titlefrm.h"

namespace av {

void registerShellWindows(App& app) {
    app.windows.setBackdropName(QString::fromLatin1(Grey::Name));
    app.windows.define(QString::fromLatin1(Titlefrm::Name), [&app] { return new Titlefrm(app); });
    app.windows.define(QString::fromLatin1(Grey::Name), [&app] { return new Grey(app); });
}

} // namespace av
