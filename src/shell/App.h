#pragma once

#include "AppState.h"

#include "platform/SequentialFile.h"
#include "platform/Services.h"
#include "platform/WindowManager.h"

namespace av {

// Everything the windows share: the services, the windows by name, the program-wide state and
// the program's one file number.
class App {
  public:
    explicit App(Services services);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Services services;
    WindowManager windows;
    AppState state;
    // The one file open at a time for the worksheet register and the worksheets.
    SequentialFile dataFile;

    // Plays a wave file when sound is on; callers carry on at once.
    void playSound(const QString& path);
    // Ends the program at once: every window closes without running another handler.
    void endProgram();
};

inline const QString ClickSound = QStringLiteral("wav\\click.wav");

} // namespace av
