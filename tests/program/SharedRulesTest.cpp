// The rules every screen shares, checked once over all of them with every real window
// registered: the common frame, the hover convention of the command links, and the caption
// bar's close button doing exactly what the screen's Exit does. Each screen is reached the way
// a pupil or teacher reaches it, by clicking what the window system shows, and the pointer
// moves through the window system too.
#include "EventWait.h"
#include "ShippedQuizzes.h"
#include "TestApp.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageWindow.h"
#include "platform/Label.h"
#include "platform/Timer.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "quiz/ResultsScreen.h"
#include "quiz/WrongAnswersScreen.h"
#include "shell/Glossary.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWizard.h"

#include <QAbstractButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
namespace g = av::glossary;
namespace win = av::glossary::window;

namespace {

struct Click {
    const char* window;
    const char* object;
    int index;
};

struct ScreenRules {
    const char* window;
    std::vector<Click> road; // from the title screen
    bool commonFrame;
    // The hover convention: the pointer over one of these links lights it alone, and the
    // pointer over the window's background clears them all, shown or hidden.
    const char* links;
    std::vector<int> hovered;
    std::vector<Click> keptLit; // links the background leaves lit
    // Exit, and what it must do; the caption bar's close button must do exactly the same.
    Click exit;
    std::vector<const char*> remain; // the windows still loaded, and shown, afterwards
    bool exitClicks;                 // whether it is heard
    bool endsProgram;
};

const Click Ok{win::Title, g::title::OkButton, -1};

Click menuEntry(MenuEntry e) {
    return {win::MainMenu, g::menu::Entries, int(e)};
}
Click topicLink(const char* topic, TopicLink l) {
    return {topic, g::topic::Links, int(l)};
}

std::vector<int> indices(int first, int last) {
    std::vector<int> all;
    for (int i = first; i <= last; ++i)
        all.push_back(i);
    return all;
}

// The quiz's Next link, ten times over: the tenth leads to the results.
std::vector<Click> throughTheQuiz() {
    std::vector<Click> road{Ok, menuEntry(MenuEntry::Pyramids),
                            topicLink(win::PyramidsTopic, TopicLink::MultipleChoice)};
    for (int i = 0; i < 10; ++i)
        road.push_back({win::Quiz, g::quiz::Links, int(QuizLink::NextQuestion)});
    return road;
}

const std::vector<const char*> AtMenu{win::Backdrop, win::MainMenu};
std::vector<const char*> atTopic(const char* topic) {
    return {win::Backdrop, win::MainMenu, topic};
}

ScreenRules topic(const char* name, MenuEntry entry) {
    return {name,
            {Ok, menuEntry(entry)},
            true,
            g::topic::Links,
            indices(0, 5),
            {},
            topicLink(name, TopicLink::Exit),
            AtMenu,
            true,
            false};
}

ScreenRules activity(const char* name, const char* topic, MenuEntry entry, TopicLink link) {
    return {name,
            {Ok, menuEntry(entry), topicLink(topic, link)},
            true,
            g::activity::Links,
            indices(0, 2),
            {},
            {name, g::activity::Links, int(ActivityLink::Exit)},
            atTopic(topic),
            true,
            false};
}

// Both page windows leave without a sound.
ScreenRules pageWindow(const char* name, std::vector<Click> road, std::vector<const char*> remain) {
    return {name,
            std::move(road),
            true,
            g::pages::Links,
            indices(0, 3),
            {},
            {name, g::pages::Links, PageWindow::ExitLink},
            std::move(remain),
            false,
            false};
}

std::vector<ScreenRules> screens() {
    const Click pyramids = menuEntry(MenuEntry::Pyramids);
    std::vector<Click> wrong = throughTheQuiz();
    wrong.push_back({win::Results, g::results::Links, int(ResultsLink::NextStep)});
    std::vector<int> menuEntries = indices(0, 12);
    for (int i : indices(15, 20))
        menuEntries.push_back(i);
    // clang-format off
    return {
        // The title keeps a frame of its own, and its Exit, heard only once the menu has
        // switched sound on, ends the program.
        {win::Title, {}, false, nullptr, {}, {}, {win::Title, g::title::ExitButton, -1}, {},
         false, true},
        // The menu's Exit shows the title over it.
        {win::MainMenu, {Ok}, true, g::menu::Entries, menuEntries, {}, menuEntry(MenuEntry::Exit),
         {win::Backdrop, win::Title, win::MainMenu}, true, false},
        topic(win::PyramidsTopic, MenuEntry::Pyramids),
        topic(win::WordsTopic, MenuEntry::WordsAndNumbers),
        {win::Quiz, {Ok, pyramids, topicLink(win::PyramidsTopic, TopicLink::MultipleChoice)}, true,
         g::quiz::Links, indices(0, 3), {}, {win::Quiz, g::quiz::Links, int(QuizLink::Exit)},
         atTopic(win::PyramidsTopic), true, false},
        {win::Results, throughTheQuiz(), true, g::results::Links, indices(0, 1), {},
         {win::Results, g::results::Links, int(ResultsLink::Exit)}, atTopic(win::PyramidsTopic),
         true, false},
        // The list keeps a sizable frame of its own, its one link keeps its dark box, and its
        // Exit closes the results too, silently.
        {win::WrongAnswers, wrong, false, g::wrongAnswers::Links, {},
         {{win::WrongAnswers, g::wrongAnswers::Links, int(WrongAnswersLink::Exit)}},
         {win::WrongAnswers, g::wrongAnswers::Links, int(WrongAnswersLink::Exit)},
         atTopic(win::PyramidsTopic), false, false},
        activity(win::PyramidsLabelling, win::PyramidsTopic, MenuEntry::Pyramids,
                 TopicLink::LabellingActivity),
        activity(win::PyramidsOrdering, win::PyramidsTopic, MenuEntry::Pyramids,
                 TopicLink::OrderingActivity),
        activity(win::WordsLabelling, win::WordsTopic, MenuEntry::WordsAndNumbers,
                 TopicLink::LabellingActivity),
        activity(win::WordsOrdering, win::WordsTopic, MenuEntry::WordsAndNumbers,
                 TopicLink::OrderingActivity),
        pageWindow(win::PageViewer, {Ok, pyramids, topicLink(win::PyramidsTopic, TopicLink::KeyFacts)},
                   atTopic(win::PyramidsTopic)),
        pageWindow(win::TeachersGuide, {Ok, menuEntry(MenuEntry::TeachersGuide)}, AtMenu),
        {win::WorksheetWizard, {Ok, menuEntry(MenuEntry::QuizWizard)}, true, g::wizard::Links,
         indices(0, 1), {},
         {win::WorksheetWizard, g::wizard::Links, int(WorksheetWizard::WizardLink::Exit)}, AtMenu,
         true, false},
        // Entry 0 of the list is the catalogue's Exit, which shows the menu anew. The list, a
        // dense one, keeps its fill, as the paging links do.
        {win::WorksheetCatalogue, {Ok, menuEntry(MenuEntry::WorksheetCatalogue)}, true,
         g::catalogue::List, {},
         {{win::WorksheetCatalogue, g::catalogue::Links,
           int(WorksheetCatalogue::CatalogueLink::NextPage)},
          {win::WorksheetCatalogue, g::catalogue::List, 0},
          {win::WorksheetCatalogue, g::catalogue::List, 1},
          {win::WorksheetCatalogue, g::catalogue::List, 3}},
         {win::WorksheetCatalogue, g::catalogue::List, 0}, AtMenu, true, false},
    };
    // clang-format on
}

// One run of the program up to a screen.
class ProgramRun {
  public:
    ProgramRun() {
        registerAllWindows(t.app());
        copyShippedQuizzes(t);
        t.writeFile(QStringLiteral("multiple/track.txt"),
                    " 3 \r\nSheet one\r\nSheet two\r\nSheet three\r\n");
        t.windows().show(QString::fromLatin1(win::Title));
    }

    void follow(const std::vector<Click>& road) {
        for (const Click& c : road)
            click(c);
    }
    void click(const Click& c) {
        QWidget& w = widget(c);
        if (auto* label = qobject_cast<Label*>(&w))
            label->click();
        else if (auto* button = qobject_cast<QAbstractButton*>(&w))
            button->click();
        else
            throw std::runtime_error(std::string("cannot click ") + c.object);
        processDeferredDeletes();
    }
    QWidget& widget(const Click& c) {
        QWidget* w = window(c.window).widget(QString::fromLatin1(c.object), c.index);
        if (!w) throw std::runtime_error(std::string("no widget ") + c.object);
        return *w;
    }
    Label& link(const char* window, const char* group, int index) {
        auto* label = qobject_cast<Label*>(&widget({window, group, index}));
        if (!label) throw std::runtime_error(std::string("not a link: ") + group);
        return *label;
    }
    Window& window(const char* name) {
        Window* w = t.windows().loaded(QString::fromLatin1(name));
        if (!w) throw std::runtime_error(std::string("not loaded: ") + name);
        return *w;
    }

    // The windows loaded, in a fixed order, each marked + when shown.
    QStringList loadedWindows() {
        QStringList seen;
        for (const char* name :
             {win::Backdrop, win::Title, win::MainMenu, win::PyramidsTopic, win::WordsTopic,
              win::Quiz, win::Results, win::WrongAnswers, win::PyramidsLabelling,
              win::PyramidsOrdering, win::WordsLabelling, win::WordsOrdering, win::PageViewer,
              win::TeachersGuide, win::WorksheetWizard, win::WorksheetCatalogue}) {
            const Window* w = t.windows().loaded(QString::fromLatin1(name));
            if (w)
                seen << QString::fromLatin1(name) +
                            (w->isVisible() ? QStringLiteral("+") : QStringLiteral("-"));
        }
        return seen;
    }
    // What a pupil could tell apart after a command: which windows are up, what was heard
    // and said, and whether the program ended.
    QStringList outcome() {
        return loadedWindows() << t.sound.played << t.messages.texts()
                               << QStringLiteral("ended %1 times").arg(t.display.quitCalls);
    }

    TestApp t;
};

// A real pointer move over spots of the window's own surface where no control lies: two of
// them, since the window system drops a move to where the pointer already is.
void pointerOverBackground(Window& w) {
    QList<QPoint> spots;
    for (int y = 2; y < w.height() && spots.size() < 2; y += 8)
        for (int x = 2; x < w.width() && spots.size() < 2; x += 8)
            if (!w.childAt(x, y)) spots << QPoint(x, y);
    ASSERT_EQ(spots.size(), 2) << "no bare background on " << w.objectName().toStdString();
    for (QPoint spot : spots)
        QTest::mouseMove(w.windowHandle(), spot);
}

// A screen lights or loads things from its own timers as it opens (the results screen lights
// every link once its picture is in); a hover checked before they have run races them.
bool timersHaveRun(const Window& w) {
    const auto timers = w.findChildren<Timer*>();
    return runUntil(
        [&] {
            return std::none_of(timers.begin(), timers.end(),
                                [](Timer* t) { return t->isEnabled(); });
        },
        5000);
}

std::string text(const QStringList& list) {
    return list.join(QStringLiteral(" | ")).toStdString();
}

void PrintTo(const ScreenRules& s, std::ostream* os) {
    *os << g::roleOfWindow(s.window);
}

class SharedRules : public ::testing::TestWithParam<ScreenRules> {
  protected:
    // Every hovered link is clear and every kept one still lit.
    void expectClearedBackground(ProgramRun& run, const std::string& after) {
        const ScreenRules& s = GetParam();
        for (int i : s.hovered)
            EXPECT_FALSE(run.link(s.window, s.links, i).isOpaque())
                << s.window << " link " << i << " after " << after;
        for (const Click& c : s.keptLit)
            EXPECT_TRUE(run.link(c.window, c.object, c.index).isOpaque())
                << s.window << " " << c.object << "(" << c.index << ") after " << after;
    }
};

TEST_P(SharedRules, CommonFrame) {
    const ScreenRules& s = GetParam();
    if (!s.commonFrame) GTEST_SKIP() << g::roleOfWindow(s.window) << " keeps a frame of its own";
    ProgramRun run;
    run.t.display.screen = QSizeF(15360, 11520);
    run.follow(s.road);
    Window& w = run.window(s.window);
    ASSERT_TRUE(w.isVisible());
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(w.backColor(), QColor(0, 78, 152));
    EXPECT_FLOAT_EQ(w.Width(), 12000);
    EXPECT_FLOAT_EQ(w.Height(), 9000);
    EXPECT_FLOAT_EQ(w.Left(), 15360 / 2.0f - 6000);
    EXPECT_FLOAT_EQ(w.Top(), 11520 / 2.0f - 4500);
}

TEST_P(SharedRules, HoverLightsOneLinkAndTheBackgroundClearsThem) {
    const ScreenRules& s = GetParam();
    if (s.hovered.empty() && s.keptLit.empty())
        GTEST_SKIP() << g::roleOfWindow(s.window) << " has no links";
    ProgramRun run;
    run.follow(s.road);
    Window& w = run.window(s.window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(timersHaveRun(w)) << s.window << " keeps a timer running";
    for (int i : s.hovered)
        EXPECT_TRUE(run.link(s.window, s.links, i).isOpaque()) << "link " << i << " starts lit";
    pointerOverBackground(w);
    expectClearedBackground(run, "the background");
    int lighted = 0;
    for (int lit : s.hovered) {
        Label& link = run.link(s.window, s.links, lit);
        // A hidden or greyed link takes no pointer.
        if (!link.isVisible() || !link.isEnabled()) continue;
        const QPoint centre = link.mapTo(&w, link.rect().center());
        ASSERT_EQ(w.childAt(centre), &link) << s.window << " link " << lit << " is covered";
        QTest::mouseMove(w.windowHandle(), centre);
        ++lighted;
        for (int other : s.hovered)
            EXPECT_EQ(run.link(s.window, s.links, other).isOpaque(), other == lit)
                << s.window << " link " << other << " with the pointer on " << lit;
        pointerOverBackground(w);
        expectClearedBackground(run, "leaving link " + std::to_string(lit));
    }
    EXPECT_EQ(lighted > 0, !s.hovered.empty());
}

TEST_P(SharedRules, TheCloseButtonDoesWhatExitDoes) {
    const ScreenRules& s = GetParam();
    const QStringList heard = s.exitClicks ? QStringList{ClickSound} : QStringList{};
    ProgramRun byExit;
    byExit.follow(s.road);
    const QStringList before = byExit.outcome();
    const qsizetype soundsBefore = byExit.t.sound.played.size();
    byExit.click(s.exit);
    EXPECT_EQ(text(byExit.t.sound.played.mid(soundsBefore)), text(heard));
    EXPECT_NE(byExit.outcome(), before) << "Exit must have done something";

    ProgramRun byClose;
    byClose.follow(s.road);
    const qsizetype soundsBeforeClose = byClose.t.sound.played.size();
    ASSERT_EQ(byClose.t.display.quitCalls, 0);
    // What the window system sends when the caption bar's close button is pressed.
    byClose.window(s.window).close();
    processDeferredDeletes();
    EXPECT_EQ(text(byClose.t.sound.played.mid(soundsBeforeClose)), text(heard));
    QStringList remain;
    for (const char* name : s.remain)
        remain << QString::fromLatin1(name) + QStringLiteral("+");
    remain.sort();
    QStringList loaded = byClose.loadedWindows();
    loaded.sort();
    EXPECT_EQ(text(loaded), text(remain)) << "after closing " << s.window;
    EXPECT_EQ(byClose.t.display.quitCalls, s.endsProgram ? 1 : 0);
    EXPECT_EQ(text(byClose.outcome()), text(byExit.outcome()));
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, SharedRules, ::testing::ValuesIn(screens()),
                         [](const auto& info) {
                             return std::string(g::roleOfWindow(info.param.window));
                         });

} // namespace
