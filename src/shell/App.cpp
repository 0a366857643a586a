#include "App.h"

namespace av {

App::App(Services s) : services(s), worksheets(s.folder) {}

void App::playSound(const QString& path) {
    if (state.soundOn) services.sound.play(path);
}

void App::endProgram() {
    windows.closeAll();
    services.display.quit();
}

} // namespace av
