#include "Program.h"

#include "activities/ActivityWindows.h"
#include "menu/MenuWindows.h"
#include "pages/PageWindows.h"
#include "platform/Accessibility.h"
#include "quiz/QuizWindows.h"
#include "shell/ShellWindows.h"
#include "shell/Titlefrm.h"
#include "worksheets/WorksheetWindows.h"

namespace av {

Program::Program(const QString& folder) : Program(ProgramFolder(folder)) {}

Program::Program(ProgramFolder folder)
    : m_folder(std::move(folder)), m_sound(m_folder), m_pictures(m_folder) {
    installAccessibility();
    m_app = std::make_unique<App>(
        Services{m_folder, m_messages, m_sound, m_pictures, m_random, m_display, m_printer});
    registerAllWindows(*m_app);
    m_openSound.setSingleShot(true);
    QObject::connect(&m_openSound, &QTimer::timeout, [this] { m_sound.prepare(); });
}

Program::~Program() = default;

void Program::start() {
    m_app->windows.show(QString::fromLatin1(Titlefrm::Name));
    // The sound library and card are opened only once the title screen is up, so none of it
    // holds up the first frame; the worker thread has them ready before the first click.
    m_openSound.start(0);
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
}

} // namespace av
