#pragma once

#include "AppState.h"

#include "model/WorksheetLibrary.h"

#include "platform/Services.h"
#include "platform/WindowManager.h"

namespace av {

// Everything the windows share: the services, the windows by name, the program-wide state and
// the worksheet library.
class App {
  public:
    explicit App(Services services);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Services services;
    WindowManager windows;
    AppState state;
    // The worksheet folder; the screens file, open and remove worksheets only through it.
    WorksheetLibrary worksheets;
    // While results are kept: the name typed last on the results screen since the title screen
    // was left, offered at the next score so that a pupil taking several quizzes types it once.
    QString lastPupilName;

    // Plays a wave file when sound is on; callers carry on at once.
    void playSound(const QString& path);
    // Ends the program at once: every window closes without running another handler.
    void endProgram();
};

inline const QString ClickSound = QStringLiteral("wav\\click.wav");

} // namespace av
