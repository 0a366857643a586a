#pragma once

#include "FrameClock.h"

#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"

#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace av {
class Program;
}

namespace av::bench {

// One walk through every screen and page of the program, the way a pupil and a teacher click
// through it, timing each command to the next frame of the window it opens or changes.
class ScreenWalk {
  public:
    enum class Kind { ScreenOpen, PageTurn, SeenRepaint, Step };

    explicit ScreenWalk(Program& program) : m_program(program) {}

    // The title's "OK", into the main menu; once, before the rounds.
    void stepFromTitle();
    // One round: both topics with all their screens and pages, the guide, the teachers' entries.
    void run();

    struct Samples {
        Kind kind;
        std::vector<double> ms;
    };
    const std::map<QString, Samples>& samples() const { return m_samples; }
    int missedFrames() const { return m_missed; }

  private:
    void step(Kind kind, const QString& label, const QString& window,
              const std::function<void()>& command, const std::function<bool()>& shown = {});
    // A step into a page window: timed to the frame that shows its page.
    void pageStep(Kind kind, const QString& label, const QString& window,
                  const std::function<void()>& command);
    // A topic by its menu entry and window, with the windows of its two activities.
    void topic(MenuEntry entry, const char* name, const char* labelling, const char* ordering);
    void pages(const QString& label, TopicLink link, const QString& topicName, int turns);
    void quiz(const QString& topicName);
    void activity(const QString& topicName, const QString& window, TopicLink link, bool score);
    void guide();
    void teacherEntries();

    Program& m_program;
    FrameClock m_clock;
    std::map<QString, Samples> m_samples;
    int m_missed = 0;
};

} // namespace av::bench
