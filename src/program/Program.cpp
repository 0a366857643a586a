#include "Program.h"

#include "FirstFrame.h"
#include "FirstInput.h"

#include "activities/ActivityWindows.h"
#include "menu/MenuWindows.h"
#include "pages/PageWindows.h"
#include "platform/Accessibility.h"
#include "platform/Fonts.h"
#include "quiz/QuizWindows.h"
#include "results/ResultsWindows.h"
#include "shell/ShellWindows.h"
#include "shell/TitleScreen.h"
#include "worksheets/WorksheetWindows.h"

#include <QCoreApplication>

namespace av {

Program::Program(const QString& folder) : Program(ProgramFolder(folder)) {}

Program::Program(ProgramFolder folder, std::future<void> fontsReady)
    : m_folder(std::move(folder)), m_sound(m_folder), m_pictures(m_folder),
      m_fontsLoaded(std::move(fontsReady)) {
    // What the title's first frame needs and no window has to wait for starts now on other
    // threads: its picture's decoding and fontconfig's reading of its configuration.
    m_pictures.prefetch(QString::fromLatin1(TitleScreen::PictureFile));
    if (!m_fontsLoaded.valid())
        m_fontsLoaded = std::async(std::launch::async, &fonts::loadSystemConfiguration);
    installAccessibility();
    m_app = std::make_unique<App>(
        Services{m_folder, m_messages, m_sounds, m_pictures, m_random, m_display, m_printer});
    registerAllWindows(*m_app);
}

Program::~Program() = default;

void Program::start(const StartOptions& options) {
    // The sound library and card are opened only once the title screen is on the display and
    // someone reaches for the pointer or keyboard: a program left at its title holds none of
    // it, and the worker thread opens it while the pointer travels to the first click. A start
    // timed to its first frame ends there instead.
    if (options.quitAfterFirstFrame)
        afterFirstFrame([] { QCoreApplication::exit(0); });
    else
        afterFirstFrame(
            [this] { m_firstInput = std::make_unique<FirstInput>([this] { m_sound.prepare(); }); });
    // The title's texts need fontconfig; reading its configuration here as well as on the
    // other thread would only do the same work twice.
    m_fontsLoaded.wait();
    auto& title = m_app->windows.get<TitleScreen>();
    auto* frame = new FirstFrame(title);
    QObject::connect(frame, &FirstFrame::presented, frame, [this] { firstFrameReached(); });
    title.showWindow();
}

void Program::afterFirstFrame(std::function<void()> work) {
    if (m_firstFramePresented)
        work();
    else
        m_afterFirstFrame.push_back(std::move(work));
}

void Program::firstFrameReached() {
    m_firstFramePresented = true;
    auto work = std::move(m_afterFirstFrame);
    m_afterFirstFrame.clear();
    for (auto& step : work)
        step();
}

void Program::bringToFront() {
    m_app->windows.bringToFront();
}

void registerAllWindows(App& app) {
    registerShellWindows(app);
    registerMenuWindows(app);
    registerQuizWindows(app);
    registerActivityWindows(app);
    registerPageWindows(app);
    registerWorksheetWindows(app);
    registerResultsWindows(app);
}

} // namespace av
