// The rules every screen shares, checked once over all of them with every real window
// registered: the common frame, the hover convention of the command links, and the caption
// bar's close button doing exactly what the screen's Exit does. Each screen is reached the way
// a pupil or teacher reaches it, by clicking what the window system shows.
#include "ShippedQuizzes.h"
#include "TestApp.h"

#include "platform/Label.h"
#include "platform/MouseArgs.h"
#include "program/Program.h"
#include "shell/Glossary.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

struct Click {
    const char* window;
    const char* object;
    int index;
};

struct ScreenRules {
    const char* window;
    std::vector<Click> road;  // from the main menu
    const char* links;        // the command-link group's object name
    std::vector<int> hovered; // links the hover convention covers
    Click exit;
    bool commonFrame;
};

// The quiz's Next link, ten times over: the tenth leads to the results.
std::vector<Click> throughTheQuiz() {
    std::vector<Click> road{{"intro0", "Label2", 5}, {"pyramids", "label3", 0}};
    for (int i = 0; i < 10; ++i)
        road.push_back({"multiple", "label3", 1});
    return road;
}

std::vector<ScreenRules> screens() {
    const Click pyramids{"intro0", "Label2", 5};
    const Click words{"intro0", "Label2", 6};
    std::vector<Click> wrong = throughTheQuiz();
    wrong.push_back({"Welldone", "label3", 0});
    return {
        {"intro0",
         {},
         "Label2",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16, 17, 18, 19, 20},
         {"intro0", "Label2", 16},
         true},
        {"pyramids", {pyramids}, "label3", {0, 1, 2, 3, 4, 5}, {"pyramids", "label3", 2}, true},
        {"words", {words}, "label3", {0, 1, 2, 3, 4, 5}, {"words", "label3", 2}, true},
        {"multiple",
         {pyramids, {"pyramids", "label3", 0}},
         "label3",
         {0, 1, 2, 3},
         {"multiple", "label3", 2},
         true},
        {"Welldone", throughTheQuiz(), "label3", {0, 1}, {"Welldone", "label3", 1}, true},
        {"Wrong", wrong, "label3", {}, {"Wrong", "label3", 1}, false},
        {"pyramidslab",
         {pyramids, {"pyramids", "label3", 1}},
         "label3",
         {0, 1, 2},
         {"pyramidslab", "label3", 0},
         true},
        {"pyramidsord",
         {pyramids, {"pyramids", "label3", 3}},
         "label3",
         {0, 1, 2},
         {"pyramidsord", "label3", 0},
         true},
        {"wordslab",
         {words, {"words", "label3", 1}},
         "label3",
         {0, 1, 2},
         {"wordslab", "label3", 0},
         true},
        {"wordsord",
         {words, {"words", "label3", 3}},
         "label3",
         {0, 1, 2},
         {"wordsord", "label3", 0},
         true},
        {"teacher",
         {pyramids, {"pyramids", "label3", 4}},
         "label3",
         {0, 1, 2, 3},
         {"teacher", "label3", 1},
         true},
        {"guide", {{"intro0", "Label2", 20}}, "label3", {0, 1, 2, 3}, {"guide", "label3", 1}, true},
        {"wizard", {{"intro0", "Label2", 17}}, "label3", {0, 1}, {"wizard", "label3", 0}, true},
        {"worksheets",
         {{"intro0", "Label2", 18}},
         "Label2",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         {"worksheets", "Label2", 0},
         true},
    };
}

// One run of the program up to a screen.
class ProgramRun {
  public:
    ProgramRun() {
        registerAllWindows(t.app());
        copyShippedQuizzes(t);
        t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
        t.windows().show(QString::fromLatin1(glossary::window::Title));
        auto* ok =
            qobject_cast<QAbstractButton*>(t.windows()
                                               .touch(QString::fromLatin1(glossary::window::Title))
                                               .widget(QStringLiteral("Command1")));
        ok->click();
        processDeferredDeletes();
    }

    void follow(const std::vector<Click>& road) {
        for (const Click& c : road)
            click(c);
    }
    void click(const Click& c) {
        link(c).click();
        processDeferredDeletes();
    }
    Label& link(const Click& c) {
        Window* w = t.windows().loaded(QString::fromLatin1(c.window));
        if (!w) throw std::runtime_error(std::string("not loaded: ") + c.window);
        auto* label = qobject_cast<Label*>(w->widget(QString::fromLatin1(c.object), c.index));
        if (!label) throw std::runtime_error(std::string("no link ") + c.object);
        return *label;
    }
    Window& window(const char* name) { return *t.windows().loaded(QString::fromLatin1(name)); }

    // What a pupil could tell apart after a command: which windows are up, what was heard
    // and what was said.
    QStringList outcome() {
        QStringList seen;
        for (const char* name : {"Titlefrm", "intro0", "pyramids", "words", "multiple", "Welldone",
                                 "Wrong", "pyramidslab", "pyramidsord", "wordslab", "wordsord",
                                 "teacher", "guide", "wizard", "worksheets"}) {
            const Window* w = t.windows().loaded(QString::fromLatin1(name));
            if (w)
                seen << QString::fromLatin1(name) +
                            (w->isVisible() ? QStringLiteral("+") : QStringLiteral("-"));
        }
        seen << t.sound.played << t.messages.texts();
        return seen;
    }

    TestApp t;
};

// A real pointer move over a spot of the window's own surface where no control lies.
void pointerOverBackground(Window& w) {
    QPoint spot(-1, -1);
    for (int y = 2; y < w.height() && spot.x() < 0; y += 8)
        for (int x = 2; x < w.width() && spot.x() < 0; x += 8)
            if (!w.childAt(x, y)) spot = QPoint(x, y);
    ASSERT_GE(spot.x(), 0) << "no bare background on " << w.objectName().toStdString();
    QMouseEvent move(QEvent::MouseMove, spot, w.mapToGlobal(spot), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &move);
}

void PrintTo(const ScreenRules& s, std::ostream* os) {
    *os << s.window;
}

class SharedRules : public ::testing::TestWithParam<ScreenRules> {};

TEST_P(SharedRules, CommonFrame) {
    const ScreenRules& s = GetParam();
    if (!s.commonFrame) GTEST_SKIP() << s.window << " keeps a sizable frame of its own";
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
    if (s.hovered.empty()) GTEST_SKIP() << s.window << " has one link and no hover";
    ProgramRun run;
    run.follow(s.road);
    Window& w = run.window(s.window);
    for (int lit : s.hovered) {
        Label& link = run.link({s.window, s.links, lit});
        if (!link.isVisible()) continue;
        emit link.mouseMove(MouseArgs{});
        EXPECT_TRUE(link.isOpaque()) << s.window << " link " << lit;
        pointerOverBackground(w);
        for (int other : s.hovered)
            EXPECT_FALSE(run.link({s.window, s.links, other}).isOpaque())
                << s.window << " link " << other << " after the background";
    }
}

TEST_P(SharedRules, TheCloseButtonDoesWhatExitDoes) {
    const ScreenRules& s = GetParam();
    ProgramRun byExit;
    byExit.follow(s.road);
    const QStringList before = byExit.outcome();
    byExit.click(s.exit);

    ProgramRun byClose;
    byClose.follow(s.road);
    byClose.window(s.window).closeButtonPressed();
    processDeferredDeletes();

    EXPECT_EQ(byClose.outcome(), byExit.outcome());
    EXPECT_NE(byExit.outcome(), before) << "Exit must have done something";
}

INSTANTIATE_TEST_SUITE_P(EveryScreen, SharedRules, ::testing::ValuesIn(screens()),
                         [](const auto& info) { return std::string(info.param.window); });

} // namespace
