#include "App.h"

namespace av {

App::App(Services s) : services(s), file1(s.folder) {}

void App::playSound(const QString& path) {
    if (state.soundOn) services.sound.play(path);
}

void App::endProgram() {
    file1.abandon();
    windows.closeAll();
    services.display.quit();
}

} // namespace av
