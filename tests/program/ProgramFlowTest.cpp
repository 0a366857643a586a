// Whole roads through the program with every real window registered: they catch windows that
// address each other by the wrong name or expect the wrong kind of widget.
#include "ShippedQuizzes.h"
#include "TestApp.h"
#include "views/MainMenuView.h"
#include "views/TitleScreenView.h"
#include "views/TopicScreenView.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageViewer.h"
#include "pages/TeachersGuide.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "quiz/ResultsScreen.h"
#include "quiz/WrongAnswersScreen.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWizard.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

class ProgramFlowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerAllWindows(t.app());
        copyShippedQuizzes(t);
        t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
    }

    template <class W> W& window(const char* name) {
        auto* w = dynamic_cast<W*>(t.windows().loaded(QString::fromLatin1(name)));
        if (!w) throw std::runtime_error(std::string("not loaded: ") + name);
        return *w;
    }
    bool shown(const char* name) {
        Window* w = t.windows().loaded(QString::fromLatin1(name));
        return w && w->isVisible();
    }
    MainMenu& openMenu() {
        t.windows().show(QString::fromLatin1(win::Title));
        TitleScreenView(t.windows().get<TitleScreen>()).okButton().click();
        processDeferredDeletes();
        return window<MainMenu>(win::MainMenu);
    }

    TestApp t;
};

TEST_F(ProgramFlowTest, APupilTakesThePyramidsQuizToFullMarks) {
    MainMenu& menu = openMenu();
    MainMenuView(menu).entry(MenuEntry::Pyramids).click();
    ASSERT_TRUE(shown(win::PyramidsTopic));
    TopicScreenView(window<TopicScreen>(win::PyramidsTopic))
        .link(TopicLink::MultipleChoice)
        .click();
    ASSERT_TRUE(shown(win::Quiz));
    QuizScreen& quiz = window<QuizScreen>(win::Quiz);
    EXPECT_EQ(quiz.quizTitle().caption(), QStringLiteral("The Pyramids"));
    for (int n = 1; n <= 10; ++n) {
        const int right = quiz.questionSet().question(n).correct.toInt();
        ASSERT_GE(right, 1);
        ASSERT_LE(right, 4);
        quiz.choiceBox(right).click();
        quiz.link(QuizLink::NextQuestion).click();
    }
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::Quiz)));
    ASSERT_TRUE(shown(win::Results));
    ResultsScreen& results = window<ResultsScreen>(win::Results);
    EXPECT_EQ(results.outcome().score, 10);
    EXPECT_EQ(results.outcome().activity, QStringLiteral("The Pyramids"));
    EXPECT_TRUE(results.pupilName().isVisible());
    EXPECT_EQ(results.outcome().heading, QStringLiteral("Ancient Velmora"));
    results.link(ResultsLink::Exit).click();
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::Results)));
    EXPECT_TRUE(shown(win::PyramidsTopic));
}

TEST_F(ProgramFlowTest, EveryTopicLinkReachesItsWindow) {
    MainMenu& menu = openMenu();
    MainMenuView(menu).entry(MenuEntry::WordsAndNumbers).click();
    TopicScreen& words = window<TopicScreen>(win::WordsTopic);
    TopicScreenView(words).link(TopicLink::LabellingActivity).click();
    ASSERT_TRUE(shown(win::WordsLabelling));
    EXPECT_EQ(window<ActivityWindow>(win::WordsLabelling).heading().caption(),
              QStringLiteral("Words and Numbers"));
    TopicScreenView(words).link(TopicLink::OrderingActivity).click();
    ASSERT_TRUE(shown(win::WordsOrdering));
    TopicScreenView(words).link(TopicLink::KeyFacts).click();
    ASSERT_TRUE(shown(win::PageViewer));
    EXPECT_EQ(window<PageViewer>(win::PageViewer).pageSet().key, QStringLiteral("key words"));
    EXPECT_TRUE(t.pictures.loaded.contains(QStringLiteral("wmf\\key wordsa.wmf")));
    TopicScreenView(words).link(TopicLink::Exit).click();
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::WordsTopic)));
    EXPECT_TRUE(shown(win::MainMenu));
}

TEST_F(ProgramFlowTest, AnActivityScoresOnTheResultsScreen) {
    MainMenuView(openMenu()).entry(MenuEntry::Pyramids).click();
    TopicScreenView(window<TopicScreen>(win::PyramidsTopic))
        .link(TopicLink::LabellingActivity)
        .click();
    ActivityWindow& lab = window<ActivityWindow>(win::PyramidsLabelling);
    for (int i = 0; i < 4; ++i) {
        lab.moveLabel(i, lab.targetBoxes()[i].Left(), lab.targetBoxes()[i].Top());
        lab.onLabelDropped(i, MouseArgs{1, 0, 0, 0});
    }
    ASSERT_TRUE(lab.link(ActivityLink::CheckScore).isVisibleTo(&lab));
    lab.link(ActivityLink::CheckScore).click();
    ASSERT_TRUE(shown(win::Results));
    EXPECT_EQ(window<ResultsScreen>(win::Results).scoreMessage().caption(),
              QStringLiteral("Excellent work. You have scored 4 out of 4."));
    const ScoredOutcome outcome = lab.outcome();
    EXPECT_EQ(outcome.activity, QStringLiteral("The Pyramids: Labelling Activity"));
    EXPECT_EQ(outcome.heading, QStringLiteral("The Pyramids"));
    EXPECT_EQ(outcome.score, 4);
}

TEST_F(ProgramFlowTest, MenuOpensAcknowledgmentsAndGuide) {
    MainMenu& menu = openMenu();
    MainMenuView(menu).entry(MenuEntry::Acknowledgments).click();
    ASSERT_TRUE(shown(win::PageViewer));
    MainMenuView(menu).entry(MenuEntry::TeachersGuide).click();
    ASSERT_TRUE(shown(win::TeachersGuide));
    EXPECT_EQ(window<TeachersGuide>(win::TeachersGuide).page(), 1);
}

TEST_F(ProgramFlowTest, ATeacherWritesAWorksheetAndAPupilTakesIt) {
    MainMenu& menu = openMenu();
    MainMenuView(menu).entry(MenuEntry::QuizWizard).click();
    WorksheetWizard& wizard = window<WorksheetWizard>(win::WorksheetWizard);
    wizard.titleBox().setText(QStringLiteral("Rome, Greece"));
    for (int q = 0; q < 10; ++q) {
        wizard.questionBox(q).setText(QStringLiteral("Question %1?").arg(q + 1));
        for (int c = 0; c < 4; ++c)
            wizard.choiceBox(q, c).setText(QStringLiteral("Choice %1").arg(c + 1));
        wizard.correctTick(q, q % 4).setChecked(true);
    }
    wizard.link(WorksheetWizard::WizardLink::SaveWorksheet).click();
    EXPECT_EQ(t.messages.texts().last(), QStringLiteral("Your worksheet has been saved."));
    EXPECT_TRUE(t.readFile(QStringLiteral("multiple/track.txt")).contains("\"Rome, Greece\""));

    MainMenuView(menu).entry(MenuEntry::WorksheetCatalogue).click();
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::MainMenu)));
    WorksheetCatalogue& catalogue = window<WorksheetCatalogue>(win::WorksheetCatalogue);
    ASSERT_EQ(catalogue.entry(1).caption(), QStringLiteral("Rome, Greece"));
    catalogue.entry(1).click();
    ASSERT_TRUE(shown(win::Quiz));
    QuizScreen& quiz = window<QuizScreen>(win::Quiz);
    EXPECT_EQ(quiz.quizTitle().caption(), QStringLiteral("Rome, Greece"));
    EXPECT_EQ(quiz.questionSet().question(6).correct, QStringLiteral("2"));

    // The title the quiz was started with is the one printed and the one the wrong answers
    // are listed under.
    quiz.link(QuizLink::PrintWorksheet).click();
    ASSERT_EQ(t.printer.documents.size(), 1u);
    bool printedTitle = false;
    for (const auto& op : t.printer.documents[0])
        printedTitle = printedTitle || op.text == QStringLiteral("Rome, Greece");
    EXPECT_TRUE(printedTitle);
    for (int n = 1; n <= 10; ++n) {
        quiz.choiceBox(1).click();
        quiz.link(QuizLink::NextQuestion).click();
    }
    processDeferredDeletes();
    ResultsScreen& results = window<ResultsScreen>(win::Results);
    EXPECT_EQ(results.outcome().score, 3);
    EXPECT_EQ(results.outcome().activity, QStringLiteral("Rome, Greece"));
    results.link(ResultsLink::NextStep).click();
    WrongAnswersScreen& wrong = window<WrongAnswersScreen>(win::WrongAnswers);
    EXPECT_EQ(wrong.quizTitle().caption(), QStringLiteral("Rome, Greece"));
    EXPECT_EQ(wrong.row(0).caption(), QStringLiteral(" 2. Question 2?"));
}

} // namespace

namespace {

// A pupil or teacher with a screen reader must be able to find and press every command and
// know what every box and tick is for, on every screen.
TEST_F(ProgramFlowTest, EveryControlIsNamedForAssistiveTechnology) {
    MainMenuView(openMenu()).entry(MenuEntry::Pyramids).click();
    TopicScreenView(window<TopicScreen>(win::PyramidsTopic))
        .link(TopicLink::MultipleChoice)
        .click(); // the quiz, with its questions
    for (const char* name :
         {win::MainMenu, win::PyramidsTopic, win::WordsTopic, win::Quiz, win::Results,
          win::WordsLabelling, win::PyramidsOrdering, win::PageViewer, win::TeachersGuide,
          win::WorksheetWizard, win::WorksheetCatalogue}) {
        Window& w = t.windows().touch(QString::fromLatin1(name));
        for (Label* label : w.findChildren<Label*>()) {
            if (!label->isCommand() || label->caption().isEmpty()) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
            ASSERT_NE(a, nullptr);
            EXPECT_EQ(a->role(), QAccessible::Button)
                << name << " " << qPrintable(label->caption());
            EXPECT_EQ(a->text(QAccessible::Name), label->caption());
            ASSERT_NE(a->actionInterface(), nullptr);
        }
        for (QWidget* box : w.findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(box) && !qobject_cast<QAbstractButton*>(box)) continue;
            if (box->isHidden()) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
            ASSERT_NE(a, nullptr);
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty())
                << name << " " << qPrintable(box->objectName());
        }
    }
}

} // namespace
