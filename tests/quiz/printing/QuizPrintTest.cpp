#include "PrintedOps.h"
#include "TestApp.h"

#include "menu/MenuWindows.h"
#include "quiz/QuizScreen.h"
#include "model/QuestionFile.h"
#include "quiz/QuizWindows.h"
#include "quiz/ResultsScreen.h"
#include "WindowAccess.h"
#include "model/Register.h"
#include "worksheets/WorksheetWindows.h"
#include "worksheets/WorksheetCatalogue.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

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
        t.windows().show(QStringLiteral("worksheets"));
        t.windows().get<WorksheetCatalogue>().Label2[1].click();
        return quiz();
    }
    QuizScreen& takeFromTopic() {
        writeQuestions(QStringLiteral("multiple/The Pyramids.txt"), QStringLiteral("The Pyramids"));
        t.windows().show(QStringLiteral("pyramids"));
        widgetOf<Label>(t.app(), QStringLiteral("pyramids"), QStringLiteral("label3"), 0).click();
        return quiz();
    }
    QuizScreen& quiz() {
        EXPECT_TRUE(t.windows().isLoaded(QStringLiteral("multiple")));
        return t.windows().get<QuizScreen>();
    }
    static bool offered(QuizScreen& q) { return q.label3[3].isVisibleTo(&q); }

    TestApp t;
};

TEST_F(QuizPrintTest, CatalogueWorksheetOffersPrintingAndPrintsItsQuestions) {
    QuizScreen& q = takeFromCatalogue(QStringLiteral("Rivers"));
    ASSERT_TRUE(offered(q));
    EXPECT_EQ(q.label3[3].caption(), QStringLiteral("Print Worksheet"));
    t.sound.played.clear();
    q.label3[3].click();

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
    EXPECT_EQ(q.Label4.caption(), QStringLiteral("Question 1")) << "the quiz carries on";

    q.label3[3].click();
    ASSERT_EQ(t.printer.documents.size(), 2u);
    EXPECT_TRUE(sameDocument(t.printer.documents[0], t.printer.documents[1]));
    EXPECT_EQ(t.messages.shown.size(), 2u);
}

TEST_F(QuizPrintTest, TopicQuizDoesNotOfferPrintingEvenAfterACatalogueQuiz) {
    EXPECT_FALSE(offered(takeFromTopic()));

    QuizScreen& fromCatalogue = takeFromCatalogue(QStringLiteral("Rivers"));
    ASSERT_TRUE(offered(fromCatalogue));
    fromCatalogue.label3[2].click(); // Exit
    processDeferredDeletes();
    EXPECT_FALSE(offered(takeFromTopic())) << "a fresh quiz screen starts with the link hidden";
}

TEST_F(QuizPrintTest, PrinterFailureIsReportedInsteadOfTheConfirmation) {
    QuizScreen& q = takeFromCatalogue(QStringLiteral("Rivers"));
    t.printer.noPrinter = true;
    t.sound.played.clear();
    q.label3[3].click();
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("There was a problem printing to your printer.")});
    EXPECT_EQ(t.sound.played, QStringList{Click});

    t.messages.shown.clear();
    t.printer.noPrinter = false;
    t.printer.failAtOp = 40;
    q.label3[3].click();
    EXPECT_EQ(t.messages.texts(),
              QStringList{QStringLiteral("There was a problem printing to your printer.")});
    EXPECT_TRUE(t.printer.documents.empty());
}

// The whole pupil's road: a full-marks topic quiz, a name, and the certificate names the topic
// caption the quiz left behind.
TEST_F(QuizPrintTest, FullMarksQuizEndsInACertificateForTheTopic) {
    QuizScreen& q = takeFromTopic();
    for (int n = 1; n <= 10; ++n) {
        q.Option1[2].setChecked(true);
        q.label3[1].click();
    }
    processDeferredDeletes();
    ResultsScreen& results = t.windows().get<ResultsScreen>();
    ASSERT_EQ(results.label3[0].caption(), QStringLiteral("Print Certificate"));
    results.Text1.setText(QStringLiteral("Nefer"));
    t.messages.shown.clear();
    results.label3[0].click();
    ASSERT_EQ(t.printer.documents.size(), 1u);
    const auto texts = opsOf(t.printer.documents[0], PrintOp::Kind::Text);
    EXPECT_EQ(texts[8].text, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(texts[15].text, QStringLiteral("Nefer"));
    EXPECT_EQ(texts[17].text, QStringLiteral("You have scored 10 out of 10."));
    EXPECT_EQ(t.messages.texts(), QStringList{QStringLiteral("Your certificate is now printing.")});
}

} // namespace
