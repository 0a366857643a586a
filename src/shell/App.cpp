#include "App.h"

namespace av {

App::App(Services s) : services(s), dataFile(s.folder) {}

void App::playSound(const QString& path) {
    if (state.soundOn) services.sound.play(path);
}

void App::endProgram() {
    dataFile.abandon();
    windows.closeAll();
    services.display.quit();
}

} // namespace av
