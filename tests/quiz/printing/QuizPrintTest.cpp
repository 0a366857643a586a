#include "PrintedOps.h"
#include "TestApp.h"
#include "views/TopicScreenView.h"

#include "menu/MenuWindows.h"
#include "menu/TopicScreen.h"
#include "model/QuestionFile.h"
#include "model/Register.h"
#include "quiz/QuizScreen.h"
#include "quiz/QuizWindows.h"
#include "quiz/ResultsScreen.h"
#include "shell/Glossary.h"
#include "worksheets/WorksheetCatalogue.h"
#include "worksheets/WorksheetWindows.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

const QString Click = QStringLiteral("wav\\click.wav");

// The quiz screen on the topic road and on the teacher's road through the catalogue, every
// window the real one.
class QuizPrintTest : public ::testing::Test {
  protected:
    QuizPrintTest() {
        registerMenuWindows(t.app());
        registerQuizWindows(t.app());
        registerWorksheetWindows(t.app());
        t.state().soundOn = 1;
    }

    void writeQuestions(const QString& path, const QString& title) {
        const QString text = questionFileLines(questionSet(title)).join(QStringLiteral("\r\n")) +
                             QStringLiteral("\r\n");
        t.writeFile(path, text.toLatin1());
    }
    QuizScreen& takeFromCatalogue(const QString& title) {
        writeQuestions(QStringLiteral("multiple/") + title + QStringLiteral(".txt"), title);
        t.writeFile(
            QStringLiteral("multiple/track.txt"),
            (QStringLiteral(" 1 \r\n") + registerLine(title) + QStringLiteral("\r\n")).toLatin1());
        t.windows().show(QString::fromLatin1(win::WorksheetCatalogue));
        t.windows().get<WorksheetCatalogue>().entry(1).click();
        return quiz();
    }
    QuizScreen& takeFromTopic() {
        writeQuestions(QStringLiteral("multiple/The Pyramids.txt"), QStringLiteral("The Pyramids"));
        const QString topic = QString::fromLatin1(win::PyramidsTopic);
        t.windows().show(topic);
        TopicScreenView(dynamic_cast<TopicScreen&>(t.windows().touch(topic)))
            .link(TopicLink::MultipleChoice)
            .click();
        return quiz();
    }
    QuizScreen& quiz() {
        EXPECT_TRUE(t.windows().isLoaded(QString::fromLatin1(win::Quiz)));
        return t.windows().get<QuizScreen>();
    }
    static bool offered(QuizScreen& q) { return q.link(QuizLink::PrintWorksheet).isVisibleTo(&q); }

    TestApp t;
};

TEST_F(QuizPrintTest, CatalogueWorksheetOffersPrintingAndPrintsItsQuestions) {
    QuizScreen& q = takeFromCatalogue(QStringLiteral("Rivers"));
    ASSERT_TRUE(offered(q));
    EXPECT_EQ(q.link(QuizLink::PrintWorksheet).caption(), QStringLiteral("Print Worksheet"));
    t.sound.played.clear();
    q.link(QuizLink::PrintWorksheet).click();

    ASSERT_EQ(t.printer.documents.size(), 1u);
    const auto texts = opsOf(t.printer.documents[0], PrintOp::Kind::Text);
    ASSERT_EQ(texts.size(), 67u);
    EXPECT_EQ(texts[4].text, QStringLiteral("Ancient Velmora")) << "the topic caption";
    EXPECT_DOUBLE_EQ(texts[4].fontSize, 32);
    EXPECT_EQ(texts[5].text, QStringLiteral("Rivers")) << "the worksheet title";
    EXPECT_EQ(texts[7].text, QStringLiteral("Question 1    Rivers question 1"));
    EXPECT_EQ(texts[62].text, QStringLiteral("A. first"));
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Your worksheet is now printing.")});
    EXPECT_EQ(t.sound.played, QStringList{Click}) << "the click follows the confirmation";
    EXPECT_EQ(q.questionNumber().caption(), QStringLiteral("Question 1")) << "the quiz carries on";

    q.link(QuizLink::PrintWorksheet).click();
    ASSERT_EQ(t.printer.documents.size(), 2u);
    EXPECT_TRUE(sameDocument(t.printer.documents[0], t.printer.documents[1]));
    EXPECT_EQ(t.messages.shown.size(), 2u);
}

// The worksheet printed is the set the quiz was started with, under its heading and title as
// given, even when another quiz has been started on the screen before.
TEST_F(QuizPrintTest, TheWorksheetPrintedIsTheOneTheQuizWasStartedWith) {
    QuizScreen& q = t.windows().get<QuizScreen>();
    q.start(questionSet(QStringLiteral("Rivers")), QStringLiteral("Ancient Velmora"), PicturePtr{},
            true);
    q.start(questionSet(QStringLiteral(" Salt & Pepper")), QStringLiteral("Kitchen"), PicturePtr{},
            true);
    EXPECT_EQ(q.quizTitle().caption(), QStringLiteral(" Salt & Pepper"));
    q.link(QuizLink::PrintWorksheet).click();
    ASSERT_EQ(t.printer.documents.size(), 1u);
    const auto texts = opsOf(t.printer.documents[0], PrintOp::Kind::Text);
    ASSERT_EQ(texts.size(), 67u);
    EXPECT_EQ(texts[4].text, QStringLiteral("Kitchen"));
    EXPECT_EQ(texts[5].text, QStringLiteral(" Salt & Pepper"));
    EXPECT_EQ(texts[7].text, QStringLiteral("Question 1     Salt & Pepper question 1"));
}

TEST_F(QuizPrintTest, TopicQuizDoesNotOfferPrintingEvenAfterACatalogueQuiz) {
    EXPECT_FALSE(offered(takeFromTopic()));

    QuizScreen& fromCatalogue = takeFromCatalogue(QStringLiteral("Rivers"));
    ASSERT_TRUE(offered(fromCatalogue));
    fromCatalogue.link(QuizLink::Exit).click(); // Exit
    processDeferredDeletes();
    EXPECT_FALSE(offered(takeFromTopic())) << "a fresh quiz screen starts with the link hidden";
}

TEST_F(QuizPrintTest, PrinterFailureIsReportedInsteadOfTheConfirmation) {
    QuizScreen& q = takeFromCatalogue(QStringLiteral("Rivers"));
    t.printer.noPrinter = true;
    t.sound.played.clear();
    q.link(QuizLink::PrintWorksheet).click();
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("There was a problem printing to your printer.")});
    EXPECT_EQ(t.sound.played, QStringList{Click});

    t.messages.shown.clear();
    t.printer.noPrinter = false;
    t.printer.failAtOp = 40;
    q.link(QuizLink::PrintWorksheet).click();
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("There was a problem printing to your printer.")});
    EXPECT_TRUE(t.printer.documents.empty());
}

// The whole pupil's road: a full-marks topic quiz, a name, and the certificate names the topic
// caption the quiz left behind.
TEST_F(QuizPrintTest, FullMarksQuizEndsInACertificateForTheTopic) {
    QuizScreen& q = takeFromTopic();
    for (int n = 1; n <= 10; ++n) {
        q.choiceBox(2).setChecked(true);
        q.link(QuizLink::NextQuestion).click();
    }
    processDeferredDeletes();
    ResultsScreen& results = t.windows().get<ResultsScreen>();
    ASSERT_EQ(results.link(ResultsLink::NextStep).caption(), QStringLiteral("Print Certificate"));
    results.pupilName().setText(QStringLiteral("Nefer"));
    t.messages.shown.clear();
    results.link(ResultsLink::NextStep).click();
    ASSERT_EQ(t.printer.documents.size(), 1u);
    const auto texts = opsOf(t.printer.documents[0], PrintOp::Kind::Text);
    EXPECT_EQ(texts[8].text, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(texts[15].text, QStringLiteral("Nefer"));
    EXPECT_EQ(texts[17].text, QStringLiteral("You have scored 10 out of 10."));
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
}

} // namespace
