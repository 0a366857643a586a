#include "ScreenWalk.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageWindow.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "quiz/ResultsScreen.h"
#include "quiz/WrongAnswersScreen.h"
#include "shell/TitleScreen.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWizard.h"

namespace av::bench {
namespace {

constexpr int BetweenClicks = 200; // ms: about the quickest a person clicks twice

template <class W> W& loaded(Program& program, const QString& name) {
    return dynamic_cast<W&>(*program.app().windows.loaded(name));
}

MainMenu& menu(Program& p) {
    return loaded<MainMenu>(p, QStringLiteral("intro0"));
}

} // namespace

void ScreenWalk::step(Kind kind, const QString& label, const QString& window,
                      const std::function<void()>& command, const std::function<bool()>& shown) {
    if (kind == Kind::Step) { // a window left: nothing new need be drawn
        command();
        settle(BetweenClicks);
        return;
    }
    const double ms = m_clock.time(command, window, shown);
    if (ms < 0)
        ++m_missed;
    else
        m_samples.try_emplace(label, Samples{kind, {}}).first->second.ms.push_back(ms);
    settle(BetweenClicks);
}

void ScreenWalk::pageStep(Kind kind, const QString& label, const QString& window,
                          const std::function<void()>& command) {
    step(kind, label, window, command,
         [&] { return loaded<PageWindow>(m_program, window).pageBox.pictureShown(); });
}

void ScreenWalk::stepFromTitle() {
    step(Kind::ScreenOpen, QStringLiteral("main menu"), QStringLiteral("intro0"),
         [&] { loaded<TitleScreen>(m_program, QStringLiteral("Titlefrm")).onOkClicked(); });
}

void ScreenWalk::run() {
    topic(5, QStringLiteral("pyramids"));
    topic(6, QStringLiteral("words"));
    guide();
    teacherEntries();
}

void ScreenWalk::topic(int menuEntry, const QString& name) {
    step(Kind::ScreenOpen, QStringLiteral("topic screen"), name,
         [&] { menu(m_program).onEntryClicked(MenuEntry(menuEntry)); });
    pages(QStringLiteral("key facts"), 4, name, 2);
    pages(QStringLiteral("teacher's notes"), 5, name, 2);
    quiz(name);
    activity(name, name + QStringLiteral("lab"), 1, true);
    activity(name, name + QStringLiteral("ord"), 3, false);
    step(Kind::Step, {}, QStringLiteral("intro0"),
         [&] { loaded<TopicScreen>(m_program, name).onLinkClicked(TopicLink::Exit); });
}

void ScreenWalk::pages(const QString& label, int topicLink, const QString& topicName, int turns) {
    const QString viewer = QStringLiteral("teacher");
    auto pagesOf = [&]() -> PageWindow& { return loaded<PageWindow>(m_program, viewer); };
    pageStep(Kind::ScreenOpen, label, viewer, [&] {
        loaded<TopicScreen>(m_program, topicName).onLinkClicked(TopicLink(topicLink));
    });
    for (int i = 0; i < turns; ++i)
        pageStep(Kind::PageTurn, QStringLiteral("page turn, new page"), viewer,
                 [&] { pagesOf().onLinkClicked(PageWindow::NextLink); });
    for (int i = 0; i < turns; ++i)
        pageStep(Kind::PageTurn, QStringLiteral("page turn, page seen"), viewer,
                 [&] { pagesOf().onLinkClicked(PageWindow::PreviousLink); });
    pageStep(Kind::SeenRepaint, QStringLiteral("repaint of a page seen"), viewer,
             [&] { pagesOf().pageBox.update(); });
    step(Kind::Step, {}, topicName, [&] { pagesOf().onLinkClicked(PageWindow::ExitLink); });
}

void ScreenWalk::quiz(const QString& topicName) {
    const QString quiz = QStringLiteral("multiple");
    step(Kind::ScreenOpen, QStringLiteral("quiz"), quiz, [&] {
        loaded<TopicScreen>(m_program, topicName).onLinkClicked(TopicLink::MultipleChoice);
    });
    for (int q = 1; q < 10; ++q)
        step(Kind::ScreenOpen, QStringLiteral("quiz, next question"), quiz,
             [&] { loaded<QuizScreen>(m_program, quiz).onLinkClicked(QuizLink::NextQuestion); });
    step(Kind::ScreenOpen, QStringLiteral("results"), QStringLiteral("Welldone"),
         [&] { loaded<QuizScreen>(m_program, quiz).onLinkClicked(QuizLink::NextQuestion); });
    step(Kind::ScreenOpen, QStringLiteral("wrong answers"), QStringLiteral("Wrong"), [&] {
        loaded<ResultsScreen>(m_program, QStringLiteral("Welldone"))
            .onLinkClicked(ResultsLink::NextStep);
    });
    step(Kind::Step, {}, topicName, [&] {
        loaded<WrongAnswersScreen>(m_program, QStringLiteral("Wrong"))
            .onLinkClicked(WrongAnswersLink::Exit);
    });
}

void ScreenWalk::activity(const QString& topicName, const QString& window, int link, bool score) {
    step(Kind::ScreenOpen, QStringLiteral("activity"), window,
         [&] { loaded<TopicScreen>(m_program, topicName).onLinkClicked(TopicLink(link)); });
    if (score) {
        step(Kind::ScreenOpen, QStringLiteral("results"), QStringLiteral("Welldone"), [&] {
            loaded<ActivityWindow>(m_program, window).onLinkClicked(ActivityLink::CheckScore);
        });
        step(Kind::Step, {}, window, [&] {
            loaded<ResultsScreen>(m_program, QStringLiteral("Welldone"))
                .onLinkClicked(ResultsLink::Exit);
        });
    }
    step(Kind::Step, {}, topicName,
         [&] { loaded<ActivityWindow>(m_program, window).onLinkClicked(ActivityLink::Exit); });
}

void ScreenWalk::guide() {
    const QString guide = QStringLiteral("guide");
    auto guideWindow = [&]() -> PageWindow& { return loaded<PageWindow>(m_program, guide); };
    pageStep(Kind::ScreenOpen, QStringLiteral("teachers' guide"), guide,
             [&] { menu(m_program).onEntryClicked(MenuEntry::TeachersGuide); });
    for (int i = 0; i < 4; ++i)
        pageStep(Kind::PageTurn, QStringLiteral("page turn, new page"), guide,
                 [&] { guideWindow().onLinkClicked(PageWindow::NextLink); });
    for (int i = 0; i < 4; ++i)
        pageStep(Kind::PageTurn, QStringLiteral("page turn, page seen"), guide,
                 [&] { guideWindow().onLinkClicked(PageWindow::PreviousLink); });
    pageStep(Kind::SeenRepaint, QStringLiteral("repaint of a page seen"), guide,
             [&] { guideWindow().pageBox.update(); });
    step(Kind::Step, {}, QStringLiteral("intro0"),
         [&] { guideWindow().onLinkClicked(PageWindow::ExitLink); });
}

void ScreenWalk::teacherEntries() {
    const QString viewer = QStringLiteral("teacher");
    pageStep(Kind::ScreenOpen, QStringLiteral("acknowledgments"), viewer,
             [&] { menu(m_program).onEntryClicked(MenuEntry::Acknowledgments); });
    settle(200); // the logo turns
    step(Kind::Step, {}, QStringLiteral("intro0"),
         [&] { loaded<PageWindow>(m_program, viewer).onLinkClicked(PageWindow::ExitLink); });
    step(Kind::ScreenOpen, QStringLiteral("worksheet wizard"), QStringLiteral("wizard"),
         [&] { menu(m_program).onEntryClicked(MenuEntry::QuizWizard); });
    step(Kind::Step, {}, QStringLiteral("intro0"), [&] {
        loaded<WorksheetWizard>(m_program, QStringLiteral("wizard"))
            .onLinkClicked(WorksheetWizard::WizardLink::Exit);
    });
    step(Kind::ScreenOpen, QStringLiteral("worksheet catalogue"), QStringLiteral("worksheets"),
         [&] { menu(m_program).onEntryClicked(MenuEntry::WorksheetCatalogue); });
    step(Kind::ScreenOpen, QStringLiteral("main menu"), QStringLiteral("intro0"), [&] {
        loaded<WorksheetCatalogue>(m_program, QStringLiteral("worksheets")).onExitClicked();
    });
}

} // namespace av::bench
