#pragma once

#include "shell/App.h"

#include "platform/ProgramFolder.h"
#include "platform/QtPrinter.h"
#include "platform/QtServices.h"
#include "platform/SdlSoundService.h"
#include "program/FirstInput.h"
#include "program/SoundOnDemand.h"
#include "program/StartOptions.h"

#include <functional>
#include <future>
#include <memory>
#include <vector>

namespace av {

// The whole program: Qt's services, the application state and every window, wired together.
class Program {
  public:
    // Portable: data and worksheets in one folder.
    explicit Program(const QString& folder);
    // fontsReady: fontconfig's configuration being read already, as a start does it while
    // the application connects to the display; without it the program starts that itself.
    explicit Program(ProgramFolder folder, std::future<void> fontsReady = {});
    ~Program();

    App& app() { return *m_app; }
    // Creates and shows the title screen, as a start of the program does; once its first frame
    // is on the display, opens the sound card in the background (or ends the program, when
    // the options ask for that).
    void start(const StartOptions& options = {});
    // Runs work once the title screen's first frame is on the display (at once if it already
    // is): what the first frame does not need is made ready here, not before.
    void afterFirstFrame(std::function<void()> work);
    bool firstFramePresented() const { return m_firstFramePresented; }
    // Brings the running program to the front, as a second start asks.
    void bringToFront();

  private:
    ProgramFolder m_folder;
    QtMessageBoxService m_messages;
    SdlSoundService m_sound;
    SoundOnDemand m_sounds{m_sound};
    std::unique_ptr<FirstInput> m_firstInput; // opens the sound card
    FilePictureService m_pictures;
    ClockRandomService m_random;
    QtDisplayService m_display;
    QtPrinter m_printer;
    std::unique_ptr<App> m_app;
    std::future<void> m_fontsLoaded;
    std::vector<std::function<void()>> m_afterFirstFrame;
    bool m_firstFramePresented = false;

    void firstFrameReached();
};

// Registers every window of the program with the application.
void registerAllWindows(App& app);

} // namespace av
