#pragma once

#include "shell/App.h"

#include "platform/ProgramFolder.h"
#include "platform/QtPrinter.h"
#include "platform/QtServices.h"
#include "platform/SdlSoundService.h"

#include <QTimer>

#include <memory>

namespace av {

// The whole program: Qt's services, the application state and every window, wired together.
class Program {
public:
    // Portable: data and worksheets in one folder.
    explicit Program(const QString& folder);
    explicit Program(ProgramFolder folder);
    ~Program();

    App& app() { return *m_app; }
    // Creates and shows the title screen, as a start of the program does, then opens the sound
    // card in the background.
    void start();
    // Brings the running program to the front, as a second start asks.
    void bringToFront();

private:
    ProgramFolder m_folder;
    QtMessageBoxService m_messages;
    SdlSoundService m_sound;
    FilePictureService m_pictures;
    ClockRandomService m_random;
    QtDisplayService m_display;
    QtPrinter m_printer;
    std::unique_ptr<App> m_app;
    QTimer m_openSound;
};

// Registers every window of the program with the application.
void registerAllWindows(App& app);

} // namespace av
