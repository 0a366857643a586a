#include "ScreenWalk.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageWindow.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "quiz/ResultsScreen.h"
#include "quiz/WrongAnswersScreen.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWizard.h"

#include <QApplication>
#include <QMouseEvent>

namespace win = av::glossary::window;

namespace av::bench {
namespace {

constexpr int BetweenClicks = 200; // ms: about the quickest a person clicks twice

template <class W> W& loaded(Program& program, const QString& name) {
    return dynamic_cast<W&>(*program.app().windows.loaded(name));
}

MainMenu& menu(Program& p) {
    return loaded<MainMenu>(p, QString::fromLatin1(win::MainMenu));
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
         [&] { return loaded<PageWindow>(m_program, window).pageDrawn(); });
}

void ScreenWalk::stepFromTitle() {
    // The pupil's hand goes to the mouse first, which opens the sound card.
    auto& title = loaded<TitleScreen>(m_program, QString::fromLatin1(win::Title));
    const QPointF at(title.width() / 2.0, title.height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, at, title.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&title, &move);
    settle(BetweenClicks);
    step(Kind::ScreenOpen, QStringLiteral("main menu"), QString::fromLatin1(win::MainMenu),
         [&] { loaded<TitleScreen>(m_program, QString::fromLatin1(win::Title)).onOkClicked(); });
}

void ScreenWalk::run() {
    topic(MenuEntry::Pyramids, win::PyramidsTopic, win::PyramidsLabelling, win::PyramidsOrdering);
    topic(MenuEntry::WordsAndNumbers, win::WordsTopic, win::WordsLabelling, win::WordsOrdering);
    guide();
    teacherEntries();
}

void ScreenWalk::topic(MenuEntry entry, const char* topicName, const char* labelling,
                       const char* ordering) {
    const QString name = QString::fromLatin1(topicName);
    step(Kind::ScreenOpen, QStringLiteral("topic screen"), name,
         [&] { menu(m_program).onEntryClicked(entry); });
    pages(QStringLiteral("key facts"), TopicLink::KeyFacts, name, 2);
    pages(QStringLiteral("teacher's notes"), TopicLink::TeachersNotes, name, 2);
    quiz(name);
    activity(name, QString::fromLatin1(labelling), TopicLink::LabellingActivity, true);
    activity(name, QString::fromLatin1(ordering), TopicLink::OrderingActivity, false);
    step(Kind::Step, {}, QString::fromLatin1(win::MainMenu),
         [&] { loaded<TopicScreen>(m_program, name).onLinkClicked(TopicLink::Exit); });
}

void ScreenWalk::pages(const QString& label, TopicLink link, const QString& topicName, int turns) {
    const QString viewer = QString::fromLatin1(win::PageViewer);
    auto pagesOf = [&]() -> PageWindow& { return loaded<PageWindow>(m_program, viewer); };
    pageStep(Kind::ScreenOpen, label, viewer,
             [&] { loaded<TopicScreen>(m_program, topicName).onLinkClicked(link); });
    for (int i = 0; i < turns; ++i)
        pageStep(Kind::PageTurn, QStringLiteral("page turn, new page"), viewer,
                 [&] { pagesOf().onLinkClicked(PageWindow::NextLink); });
    for (int i = 0; i < turns; ++i)
        pageStep(Kind::PageTurn, QStringLiteral("page turn, page seen"), viewer,
                 [&] { pagesOf().onLinkClicked(PageWindow::PreviousLink); });
    pageStep(Kind::SeenRepaint, QStringLiteral("repaint of a page seen"), viewer,
             [&] { pagesOf().redrawPage(); });
    step(Kind::Step, {}, topicName, [&] { pagesOf().onLinkClicked(PageWindow::ExitLink); });
}

void ScreenWalk::quiz(const QString& topicName) {
    const QString quiz = QString::fromLatin1(win::Quiz);
    step(Kind::ScreenOpen, QStringLiteral("quiz"), quiz, [&] {
        loaded<TopicScreen>(m_program, topicName).onLinkClicked(TopicLink::MultipleChoice);
    });
    for (int q = 1; q < 10; ++q)
        step(Kind::ScreenOpen, QStringLiteral("quiz, next question"), quiz,
             [&] { loaded<QuizScreen>(m_program, quiz).onLinkClicked(QuizLink::NextQuestion); });
    step(Kind::ScreenOpen, QStringLiteral("results"), QString::fromLatin1(win::Results),
         [&] { loaded<QuizScreen>(m_program, quiz).onLinkClicked(QuizLink::NextQuestion); });
    step(Kind::ScreenOpen, QStringLiteral("wrong answers"), QString::fromLatin1(win::WrongAnswers),
         [&] {
             loaded<ResultsScreen>(m_program, QString::fromLatin1(win::Results))
                 .onLinkClicked(ResultsLink::NextStep);
         });
    step(Kind::Step, {}, topicName, [&] {
        loaded<WrongAnswersScreen>(m_program, QString::fromLatin1(win::WrongAnswers))
            .onLinkClicked(WrongAnswersLink::Exit);
    });
}

void ScreenWalk::activity(const QString& topicName, const QString& window, TopicLink link,
                          bool score) {
    step(Kind::ScreenOpen, QStringLiteral("activity"), window,
         [&] { loaded<TopicScreen>(m_program, topicName).onLinkClicked(link); });
    if (score) {
        step(Kind::ScreenOpen, QStringLiteral("results"), QString::fromLatin1(win::Results), [&] {
            loaded<ActivityWindow>(m_program, window).onLinkClicked(ActivityLink::CheckScore);
        });
        step(Kind::Step, {}, window, [&] {
            loaded<ResultsScreen>(m_program, QString::fromLatin1(win::Results))
                .onLinkClicked(ResultsLink::Exit);
        });
    }
    step(Kind::Step, {}, topicName,
         [&] { loaded<ActivityWindow>(m_program, window).onLinkClicked(ActivityLink::Exit); });
}

void ScreenWalk::guide() {
    const QString guide = QString::fromLatin1(win::TeachersGuide);
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
             [&] { guideWindow().redrawPage(); });
    step(Kind::Step, {}, QString::fromLatin1(win::MainMenu),
         [&] { guideWindow().onLinkClicked(PageWindow::ExitLink); });
}

void ScreenWalk::teacherEntries() {
    const QString viewer = QString::fromLatin1(win::PageViewer);
    pageStep(Kind::ScreenOpen, QStringLiteral("acknowledgments"), viewer,
             [&] { menu(m_program).onEntryClicked(MenuEntry::Acknowledgments); });
    settle(200); // the logo turns
    step(Kind::Step, {}, QString::fromLatin1(win::MainMenu),
         [&] { loaded<PageWindow>(m_program, viewer).onLinkClicked(PageWindow::ExitLink); });
    step(Kind::ScreenOpen, QStringLiteral("worksheet wizard"),
         QString::fromLatin1(win::WorksheetWizard),
         [&] { menu(m_program).onEntryClicked(MenuEntry::QuizWizard); });
    step(Kind::Step, {}, QString::fromLatin1(win::MainMenu), [&] {
        loaded<WorksheetWizard>(m_program, QString::fromLatin1(win::WorksheetWizard))
            .onLinkClicked(WorksheetWizard::WizardLink::Exit);
    });
    step(Kind::ScreenOpen, QStringLiteral("worksheet catalogue"),
         QString::fromLatin1(win::WorksheetCatalogue),
         [&] { menu(m_program).onEntryClicked(MenuEntry::WorksheetCatalogue); });
    step(Kind::ScreenOpen, QStringLiteral("main menu"), QString::fromLatin1(win::MainMenu), [&] {
        loaded<WorksheetCatalogue>(m_program, QString::fromLatin1(win::WorksheetCatalogue))
            .onExitClicked();
    });
}

} // namespace av::bench
