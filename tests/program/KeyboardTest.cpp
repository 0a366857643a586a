// The whole program by keyboard alone: key events through the window system on the real
// windows, from the title screen to the certificate, round every screen's commands, and out
// of every screen by Escape.
#include "KeyEvents.h"
#include "ShippedQuizzes.h"
#include "views/MainMenuView.h"
#include "views/PageWindowView.h"
#include "views/TitleScreenView.h"
#include "views/TopicScreenView.h"

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

#include <QAccessible>
#include <QLineEdit>
#include <set>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerAllWindows(t.app());
        copyShippedQuizzes(t);
        t.writeFile(QStringLiteral("multiple/track.txt"), " 1 \r\n\"Rome\"\r\n");
    }

    Window& screen(const char* name) {
        processDeferredDeletes();
        return activeWindow(t.windows(), name);
    }
    bool shown(const char* name) {
        processDeferredDeletes();
        Window* w = t.windows().loaded(QString::fromLatin1(name));
        return w && w->isVisible();
    }
    template <class W> W& as(const char* name) { return dynamic_cast<W&>(screen(name)); }

    // Opens the menu, then one of its entries, by keys.
    Window& openFromMenu(MenuEntry entry, const char* name) {
        t.windows().show(QString::fromLatin1(win::Title));
        key(screen(win::Title), Qt::Key_Return); // OK is the default button
        auto& menu = as<MainMenu>(win::MainMenu);
        EXPECT_TRUE(tabTo(menu, MainMenuView(menu).entry(entry)));
        key(menu, Qt::Key_Space);
        return screen(name);
    }

    Window& openFromTopic(TopicLink link, const char* name) {
        auto& topic =
            dynamic_cast<TopicScreen&>(openFromMenu(MenuEntry::Pyramids, win::PyramidsTopic));
        EXPECT_TRUE(tabTo(topic, TopicScreenView(topic).link(link)));
        key(topic, Qt::Key_Return);
        return screen(name);
    }

    // Answers the quiz with the number keys (odd questions) and letter keys (even ones),
    // wrongly where asked, and leaves each question with Next.
    void answerQuiz(QuizScreen& quiz, const std::set<int>& wrong = {}) {
        for (int n = 1; n <= 10; ++n) {
            const int right = quiz.questionSet().question(n).correct.toInt();
            const int choice = wrong.count(n) ? right % 4 + 1 : right;
            const int typed = int(t.sound.played.count(QStringLiteral("wav\\typekey.wav")));
            key(quiz, Qt::Key(n % 2 ? Qt::Key_1 + choice - 1 : Qt::Key_A + choice - 1));
            EXPECT_TRUE(quiz.choiceBox(choice).isChecked()) << n;
            EXPECT_EQ(t.sound.played.count(QStringLiteral("wav\\typekey.wav")), typed + 1);
            ASSERT_TRUE(tabTo(quiz, quiz.link(QuizLink::NextQuestion))) << n;
            key(quiz, Qt::Key_Return);
        }
    }

    TestApp t;
};

TEST_F(KeyboardTest, FromTheTitleScreenToTheCertificateByKeysAlone) {
    auto& quiz = dynamic_cast<QuizScreen&>(openFromTopic(TopicLink::MultipleChoice, win::Quiz));
    answerQuiz(quiz);
    ASSERT_TRUE(shown(win::Results));
    auto& results = as<ResultsScreen>(win::Results);
    EXPECT_EQ(results.outcome().score, 10);
    // The message is said with the heading as the screen opens.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&results)->text(QAccessible::Name),
              QStringLiteral("Well Done! Excellent work. You have scored 10 out of 10."));
    ASSERT_TRUE(tabTo(results, results.pupilName()));
    for (char c : std::string("Amy"))
        QTest::keyClick(results.windowHandle(), c);
    EXPECT_EQ(results.pupilName().text(), QStringLiteral("Amy"));
    ASSERT_TRUE(tabTo(results, results.link(ResultsLink::NextStep)));
    key(results, Qt::Key_Space);
    EXPECT_EQ(t.messages.texts().last(), QStringLiteral("Your certificate is now printing."));
    key(results, Qt::Key_Escape);
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::Results)));
    EXPECT_TRUE(shown(win::PyramidsTopic));
}

TEST_F(KeyboardTest, ArrowsMoveAmongTheAnswersAndChooseAsAClickDoes) {
    auto& quiz = dynamic_cast<QuizScreen&>(openFromTopic(TopicLink::MultipleChoice, win::Quiz));
    ASSERT_TRUE(tabTo(quiz, quiz.choiceBox(1)));
    EXPECT_FALSE(quiz.choiceBox(1).isChecked()); // Tab only brings the focus
    key(quiz, Qt::Key_Down);
    EXPECT_EQ(focused(), &quiz.choiceBox(2));
    EXPECT_TRUE(quiz.choiceBox(2).isChecked());
    key(quiz, Qt::Key_Up);
    key(quiz, Qt::Key_Up); // round to the last answer
    EXPECT_EQ(focused(), &quiz.choiceBox(4));
    EXPECT_TRUE(quiz.choiceBox(4).isChecked());
    EXPECT_EQ(t.sound.played.count(QStringLiteral("wav\\typekey.wav")), 3);
    // Wrong answers by key count as wrong ones by click do.
    key(quiz, Qt::Key_D);
    ASSERT_TRUE(tabTo(quiz, quiz.link(QuizLink::NextQuestion)));
    key(quiz, Qt::Key_Return);
    EXPECT_EQ(quiz.session().isMarkedRight(1),
              quiz.questionSet().question(1).correct == QLatin1String("4"));
}

TEST_F(KeyboardTest, TheSoundOptionsAreOneGroupForTheArrows) {
    t.windows().show(QString::fromLatin1(win::Title));
    key(screen(win::Title), Qt::Key_Return);
    auto& menu = as<MainMenu>(win::MainMenu);
    ASSERT_TRUE(tabTo(menu, MainMenuView(menu).soundOnOption()));
    key(menu, Qt::Key_Down);
    EXPECT_TRUE(MainMenuView(menu).soundOffOption().isChecked());
    EXPECT_EQ(t.state().soundOn, 0);
    key(menu, Qt::Key_Right);
    EXPECT_TRUE(MainMenuView(menu).soundOnOption().isChecked());
    EXPECT_EQ(t.state().soundOn, 1);
    // Only the chosen option stands in the Tab order.
    const QList<QWidget*> stops = menu.tabStops();
    EXPECT_TRUE(stops.contains(&MainMenuView(menu).soundOnOption()));
    EXPECT_FALSE(stops.contains(&MainMenuView(menu).soundOffOption()));
}

// Every command shown on a screen is reached by Tab in reading order, and the round closes.
void expectRoundInReadingOrder(Window& w) {
    const QList<QWidget*> stops = w.tabStops();
    ASSERT_FALSE(stops.isEmpty()) << qPrintable(w.name());
    for (Label* label : w.findChildren<Label*>()) {
        if (label->isCommand() && label->isVisibleTo(&w) && label->isEnabled()) {
            EXPECT_TRUE(stops.contains(label)) << qPrintable(w.name() + label->caption());
        }
    }
    for (qsizetype i = 1; i < stops.size(); ++i) {
        const QPoint a = stops[i - 1]->mapTo(&w, QPoint());
        const QPoint b = stops[i]->mapTo(&w, QPoint());
        EXPECT_TRUE(a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()))
            << qPrintable(w.name() + QLatin1Char(' ') + stops[i]->objectName());
    }
    // From wherever the focus is, Tab walks the order and comes round to where it began.
    key(w, Qt::Key_Tab);
    const qsizetype start = stops.indexOf(focused());
    ASSERT_GE(start, 0) << qPrintable(w.name());
    for (qsizetype i = 1; i <= stops.size(); ++i) {
        key(w, Qt::Key_Tab);
        EXPECT_EQ(focused(), stops[(start + i) % stops.size()]) << qPrintable(w.name()) << i;
    }
    key(w, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), stops[(start + stops.size() - 1) % stops.size()]) << qPrintable(w.name());
}

TEST_F(KeyboardTest, TabGoesRoundEveryScreenInReadingOrder) {
    t.windows().show(QString::fromLatin1(win::Title));
    Window& title = screen(win::Title);
    expectRoundInReadingOrder(title);
    EXPECT_EQ(title.tabStops().size(), 2);
    key(title, Qt::Key_Escape, Qt::NoModifier); // ends the program as its Exit does
    EXPECT_EQ(t.display.quitCalls, 1);

    auto& quiz = dynamic_cast<QuizScreen&>(openFromTopic(TopicLink::MultipleChoice, win::Quiz));
    expectRoundInReadingOrder(quiz);
    answerQuiz(quiz, {2, 5});
    auto& results = as<ResultsScreen>(win::Results);
    expectRoundInReadingOrder(results);
    key(results, Qt::Key_Escape); // back to the topic
    for (const char* name :
         {win::PyramidsTopic, win::WordsLabelling, win::PyramidsOrdering, win::PageViewer,
          win::TeachersGuide, win::WorksheetCatalogue, win::MainMenu}) {
        t.windows().show(QString::fromLatin1(name));
        expectRoundInReadingOrder(screen(name));
    }
}

TEST_F(KeyboardTest, TheWizardKeepsItsOwnOrderAndEndsOnItsCommands) {
    auto& wizard =
        dynamic_cast<WorksheetWizard&>(openFromMenu(MenuEntry::QuizWizard, win::WorksheetWizard));
    ASSERT_TRUE(tabTo(wizard, wizard.titleBox()));
    std::vector<QWidget*> round{focused()};
    for (int i = 0; i < 1 + 50 + 40 + 2; ++i) {
        key(wizard, Qt::Key_Tab);
        round.push_back(focused());
    }
    const auto at = [&](QWidget* w) {
        return std::find(round.begin(), round.end(), w) - round.begin();
    };
    EXPECT_LT(at(&wizard.titleBox()), at(&wizard.questionBox(0)));
    EXPECT_LT(at(&wizard.questionBox(0)), at(&wizard.choiceBoxes()[0]));
    EXPECT_LT(at(&wizard.choiceBoxes()[39]), at(&wizard.correctTicks()[0]));
    EXPECT_EQ(at(&wizard.link(WorksheetWizard::WizardLink::SaveWorksheet)),
              at(&wizard.correctTicks()[39]) + 1);
    EXPECT_EQ(at(&wizard.link(WorksheetWizard::WizardLink::Exit)),
              at(&wizard.link(WorksheetWizard::WizardLink::SaveWorksheet)) + 1);
    EXPECT_EQ(round.back(), round.front()); // and round again
    // Enter on Save Worksheet checks the worksheet as a click does.
    ASSERT_TRUE(tabTo(wizard, wizard.link(WorksheetWizard::WizardLink::SaveWorksheet)));
    key(wizard, Qt::Key_Return);
    EXPECT_EQ(t.messages.texts().last(),
              QStringLiteral("You have not chosen a title for your worksheet"));
}

// Escape leaves each screen the way its own Exit does.
TEST_F(KeyboardTest, EscapeLeavesEveryScreenAsItsExitDoes) {
    openFromMenu(MenuEntry::Pyramids, win::PyramidsTopic);
    for (const char* name : {win::Quiz, win::WordsLabelling, win::PyramidsOrdering, win::PageViewer,
                             win::TeachersGuide, win::WorksheetWizard, win::Results}) {
        t.windows().show(QString::fromLatin1(name));
        key(screen(name), Qt::Key_Escape);
        EXPECT_FALSE(shown(name)) << name;
        EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(name))) << name;
    }
    t.windows().show(QString::fromLatin1(win::Results));
    t.windows().show(QString::fromLatin1(win::WrongAnswers));
    key(screen(win::WrongAnswers), Qt::Key_Escape); // its Exit closes the results as well
    EXPECT_FALSE(shown(win::WrongAnswers));
    EXPECT_FALSE(shown(win::Results));

    key(screen(win::PyramidsTopic), Qt::Key_Escape);
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::PyramidsTopic)));
    auto& menu = as<MainMenu>(win::MainMenu);
    MainMenuView(menu)
        .entry(MenuEntry::WorksheetCatalogue)
        .click(); // the catalogue, which replaces the menu
    key(screen(win::WorksheetCatalogue), Qt::Key_Escape);
    ASSERT_TRUE(shown(win::MainMenu));
    key(screen(win::MainMenu), Qt::Key_Escape);
    ASSERT_TRUE(shown(win::Title));
    EXPECT_EQ(TitleScreenView(as<TitleScreen>(win::Title)).okButton().text(),
              QStringLiteral("Cancel"));
    EXPECT_EQ(t.display.quitCalls, 0);
    key(screen(win::Title), Qt::Key_Escape);
    EXPECT_EQ(t.display.quitCalls, 1);
}

// The focused command shows the pointer's highlight and an outline of a light and a dark line.
TEST_F(KeyboardTest, TheFocusedCommandIsHighlightedAndOutlined) {
    t.windows().show(QString::fromLatin1(win::Title));
    key(screen(win::Title), Qt::Key_Return);
    auto& menu = as<MainMenu>(win::MainMenu);
    menu.onPointerOverBackground(MouseArgs{}); // every entry loses its box
    Label& guide = MainMenuView(menu).entry(MenuEntry::TeachersGuide);
    ASSERT_FALSE(guide.isOpaque());
    const QPoint at = guide.mapTo(&menu, QPoint());
    const QPoint inside(8, guide.height() / 2);
    QImage before = menu.grab().toImage();
    EXPECT_EQ(before.pixelColor(at + inside), QColor(0, 78, 152)); // the window shows through
    ASSERT_TRUE(tabTo(menu, guide));
    QImage after = menu.grab().toImage();
    EXPECT_EQ(after.pixelColor(at + inside), QColor(0, 0, 128));
    // The outline stands outside the label, clear of its caption's first letter.
    const int middle = guide.height() / 2;
    EXPECT_EQ(after.pixelColor(at + QPoint(-4, middle)), QColor(Qt::white));
    EXPECT_EQ(after.pixelColor(at + QPoint(-1, middle)), QColor(Qt::black));
    EXPECT_EQ(after.pixelColor(at + QPoint(-4, -4)), QColor(Qt::white));
    EXPECT_EQ(after.pixelColor(at + QPoint(1, 1)), QColor(0, 0, 128)) << "drawn inside the label";
    EXPECT_EQ(after.pixelColor(at + QPoint(3, 3)), QColor(0, 0, 128)) << "drawn inside the label";
    EXPECT_FALSE(guide.isOpaque()); // the pointer's state is the pointer's own
}

// Once the keyboard has been used, a window it opens shows its focus at once, and the first
// key pressed there acts: Space picks up the focused label of an activity.
TEST_F(KeyboardTest, TheFirstKeyInAWindowOpenedByKeysActs) {
    auto& lab = dynamic_cast<ActivityWindow&>(
        openFromTopic(TopicLink::LabellingActivity, win::PyramidsLabelling));
    EXPECT_TRUE(lab.showsFocus());
    ASSERT_EQ(focused(), &lab.draggableLabels()[0]) << "the first label in reading order";
    key(lab, Qt::Key_Space);
    EXPECT_EQ(lab.heldLabel(), 0);
    const QObject* ring = lab.findChild<QObject*>(QStringLiteral("focusRing"));
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(static_cast<const QWidget*>(ring)->isVisible());
}

// A page window opens with the focus on a command that does no harm: the next page, or Exit
// where there is none; Enter then turns the page and never prints.
TEST_F(KeyboardTest, PageWindowsOpenWithTheFocusOnTheNextPage) {
    auto& pages = dynamic_cast<PageWindow&>(openFromTopic(TopicLink::KeyFacts, win::PageViewer));
    EXPECT_EQ(focused(), &PageWindowView(pages).link(PageWindow::NextLink));
    key(pages, Qt::Key_Return);
    EXPECT_EQ(PageWindowView(pages).pageNumber().caption(), QStringLiteral("Page 2 of 3"));
    EXPECT_TRUE(t.printer.documents.empty() && t.printer.current.empty()) << "Enter printed";
    key(pages, Qt::Key_Escape);
    key(screen(win::PyramidsTopic), Qt::Key_Escape);
    auto& menu = as<MainMenu>(win::MainMenu);
    ASSERT_TRUE(tabTo(menu, MainMenuView(menu).entry(MenuEntry::Acknowledgments)));
    key(menu, Qt::Key_Return);
    auto& thanks = dynamic_cast<PageWindow&>(screen(win::PageViewer));
    EXPECT_EQ(focused(), &PageWindowView(thanks).link(PageWindow::ExitLink)) << "one page: Exit";
}

// What a screen reader reads of a widget: its name, whether it has the focus, and the last
// thing announced at it.
QAccessibleInterface* reader(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w);
}
QString announced(QWidget& w) {
    return reader(&w)->text(QAccessible::Description);
}
// The heading read before a widget as the focus comes to it.
QString introduction(QWidget* w) {
    const auto labels = reader(w)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

TEST_F(KeyboardTest, AssistiveTechnologyFollowsFocusPickUpsAndQuestions) {
    auto& quiz = dynamic_cast<QuizScreen&>(openFromTopic(TopicLink::MultipleChoice, win::Quiz));
    // Each question names the screen and is read before the first answer, which has the focus.
    EXPECT_EQ(reader(&quiz)->text(QAccessible::Name), QStringLiteral("Question 1"));
    EXPECT_EQ(focused(), &quiz.choiceBox(1));
    EXPECT_EQ(introduction(focused()),
              QStringLiteral("Question 1. ") + quiz.questionSet().question(1).text);
    ASSERT_TRUE(tabTo(quiz, quiz.link(QuizLink::NextQuestion)));
    EXPECT_TRUE(reader(&quiz.link(QuizLink::NextQuestion))->state().focused);
    EXPECT_TRUE(reader(&quiz.link(QuizLink::NextQuestion))->state().focusable);
    key(quiz, Qt::Key_Return);
    EXPECT_EQ(reader(&quiz)->text(QAccessible::Name), QStringLiteral("Question 2"));
    EXPECT_EQ(focused(), &quiz.choiceBox(1));
    EXPECT_EQ(introduction(focused()),
              QStringLiteral("Question 2. ") + quiz.questionSet().question(2).text);
    EXPECT_EQ(introduction(&quiz.choiceBox(2)), QString());
    // A screen reader meets the four answers and no other option.
    int options = 0;
    for (int i = 0; i < reader(&quiz)->childCount(); ++i)
        options += reader(&quiz)->child(i)->role() == QAccessible::RadioButton ? 1 : 0;
    EXPECT_EQ(options, 4);
    key(quiz, Qt::Key_Escape);
    // The topic screen it uncovers has the keyboard again, and says where the pupil is.
    processDeferredDeletes();
    Window* topic = t.windows().loaded(QString::fromLatin1(win::PyramidsTopic));
    ASSERT_NE(topic, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(topic));
    EXPECT_EQ(reader(topic)->text(QAccessible::Name), QStringLiteral("The Pyramids"));

    auto& lab = dynamic_cast<ActivityWindow&>(
        openFromTopic(TopicLink::LabellingActivity, win::PyramidsLabelling));
    ASSERT_TRUE(tabTo(lab, lab.draggableLabels()[3]));
    key(lab, Qt::Key_Return);
    const QString text = lab.draggableLabels()[3].caption();
    EXPECT_EQ(announced(lab.draggableLabels()[3]), QStringLiteral("Picked up ") + text);
    key(lab, Qt::Key_Tab);
    key(lab, Qt::Key_Tab);
    QAccessibleInterface* box = reader(focused());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Box 2"));
    EXPECT_TRUE(box->state().focused);
    key(lab, Qt::Key_Space);
    EXPECT_EQ(announced(lab.draggableLabels()[3]), text + QStringLiteral(" placed in Box 2"));
}

} // namespace
