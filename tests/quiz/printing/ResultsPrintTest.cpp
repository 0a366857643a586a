#include "PrintedOps.h"
#include "TestApp.h"
#include "TypeText.h"

#include "quiz/QuizWindows.h"
#include "quiz/ResultsScreen.h"
#include "shell/Glossary.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

const QString NowPrinting = QStringLiteral("Your certificate is now printing.");
const QString Problem = QStringLiteral("There was a problem printing to your printer.");

// Texts 8, 15 and 17 of a certificate are the topic, the name and the score line.
constexpr size_t TopicText = 8, NameText = 15, ScoreText = 17;

class ResultsPrintTest : public ::testing::Test {
  protected:
    ResultsPrintTest() {
        registerQuizWindows(t.app());
        t.state().soundOn = 1;
    }
    // As an activity shows it.
    ResultsScreen& showResults(int score, int total) {
        ResultsScreen& w = t.windows().get<ResultsScreen>();
        w.showActivityOutcome({QStringLiteral("An activity"), QString(), score, total, {}});
        return w;
    }
    // As a quiz under this heading shows it.
    ResultsScreen& showQuizResults(const QString& heading, int score) {
        ResultsScreen& w = t.windows().get<ResultsScreen>();
        w.showQuizOutcome({QStringLiteral("Rivers"), heading, score, 10, {}});
        return w;
    }
    void printCertificate(ResultsScreen& w) {
        ASSERT_EQ(w.link(ResultsLink::NextStep).caption(), QStringLiteral("Print Certificate"));
        w.link(ResultsLink::NextStep).click();
    }
    std::vector<PrintOp> texts(size_t document = 0) {
        return opsOf(t.printer.documents.at(document), PrintOp::Kind::Text);
    }

    TestApp t;
};

TEST_F(ResultsPrintTest, FullMarksPrintTheCertificateWithTheTypedName) {
    ResultsScreen& w = showQuizResults(QStringLiteral("Ancient Velmora"), 10);
    w.pupilName().setText(QStringLiteral("Cleo Patera"));
    t.sound.played.clear();
    printCertificate(w);

    ASSERT_EQ(t.printer.documents.size(), 1u);
    const auto printed = texts();
    ASSERT_EQ(printed.size(), 24u);
    EXPECT_EQ(printed[TopicText].text, QStringLiteral("Ancient Velmora"));
    EXPECT_DOUBLE_EQ(printed[TopicText].fontSize, 36) << "a short topic keeps the large size";
    EXPECT_EQ(printed[NameText].text, QStringLiteral("Cleo Patera"));
    EXPECT_EQ(printed[ScoreText].text, QStringLiteral("You have scored 10 out of 10."));
    EXPECT_EQ(opsOf(t.printer.documents[0], PrintOp::Kind::Line).size(), 32u);

    ASSERT_EQ(t.messages.texts(), QStringList{NowPrinting});
    EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(t.messages.shown[0].buttons, MessageBoxService::Buttons::Ok);
    EXPECT_TRUE(t.sound.played.isEmpty()) << "Print Certificate makes no click";
    EXPECT_TRUE(t.windows().isLoaded(QString::fromLatin1(win::Results)));
}

// The name is only printed, so letters beyond the files' code page are welcome in it.
TEST_F(ResultsPrintTest, ANameTypedInAnyAlphabetTheFaceHasIsPrinted) {
    ResultsScreen& w = showResults(10, 10);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QString name = QStringLiteral("\u0141ucja \u0106wik \u0416\u0430\u043d\u043d\u0430 "
                                        "\u0394\u03ae\u03bc\u03b7\u03c4\u03c1\u03b1");
    typeText(w.pupilName(), name);
    EXPECT_EQ(w.pupilName().text(), name.left(25));
    printCertificate(w);
    ASSERT_EQ(t.printer.documents.size(), 1u);
    EXPECT_EQ(texts()[NameText].text, name.left(25));
}

TEST_F(ResultsPrintTest, TopicWiderThanAQuarterPageOnThisScreenPrintsSmaller) {
    printCertificate(showQuizResults(
        QStringLiteral("The Great Pyramids of Velmora and the Kings Who Were Buried There"), 10));
    EXPECT_DOUBLE_EQ(texts()[TopicText].fontSize, 28);
}

TEST_F(ResultsPrintTest, ActivityWithNoQuizYetPrintsAnEmptyTopicAndItsOwnScore) {
    ResultsScreen& w = showResults(4, 4);
    printCertificate(w);
    const auto printed = texts();
    EXPECT_EQ(printed[TopicText].text, QString());
    EXPECT_FLOAT_EQ(printed[TopicText].x, t.printer.pageWidth / 2);
    EXPECT_EQ(printed[NameText].text, QString()) << "no name typed";
    EXPECT_EQ(printed[ScoreText].text, QStringLiteral("You have scored 4 out of 4."));
}

// The results screen goes between the quiz and the activity; the heading of the run's last quiz
// stays for the activity's certificate, whatever heading the activity hands over.
TEST_F(ResultsPrintTest, ActivityAfterAQuizPrintsTheLastQuizsHeading) {
    showQuizResults(QStringLiteral("First quiz"), 3).link(ResultsLink::Exit).click();
    processDeferredDeletes();
    showQuizResults(QStringLiteral("Ancient Velmora"), 7).link(ResultsLink::Exit).click();
    processDeferredDeletes();
    ResultsScreen& w = t.windows().get<ResultsScreen>();
    w.showActivityOutcome({QStringLiteral("The Pyramids: Labelling Activity"),
                           QStringLiteral("The Pyramids"),
                           4,
                           4,
                           {}});
    printCertificate(w);
    ASSERT_EQ(t.printer.documents.size(), 1u);
    EXPECT_EQ(texts()[TopicText].text, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(texts()[ScoreText].text, QStringLiteral("You have scored 4 out of 4."));
}

TEST_F(ResultsPrintTest, PrintingTwicePrintsTwoIdenticalPagesAndConfirmsTwice) {
    ResultsScreen& w = showQuizResults(QStringLiteral("Ancient Velmora"), 10);
    w.pupilName().setText(QStringLiteral("Ramose"));
    printCertificate(w);
    printCertificate(w);
    ASSERT_EQ(t.printer.documents.size(), 2u);
    EXPECT_TRUE(sameDocument(t.printer.documents[0], t.printer.documents[1]));
    EXPECT_EQ(t.messages.texts(), (QStringList{NowPrinting, NowPrinting}));
}

TEST_F(ResultsPrintTest, PrinterFailuresAreReportedOnceAndNothingClaimsToPrint) {
    ResultsScreen& w = showResults(10, 10);
    t.printer.noPrinter = true;
    printCertificate(w);
    EXPECT_EQ(t.messages.texts(), QStringList{Problem});
    EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));

    t.messages.shown.clear();
    t.printer.noPrinter = false;
    t.printer.failAtOp = 12; // halfway down the page
    printCertificate(w);
    EXPECT_EQ(t.messages.texts(), QStringList{Problem});
    EXPECT_TRUE(t.printer.documents.empty());
    EXPECT_EQ(t.printer.abandoned, 1);
    EXPECT_TRUE(t.sound.played.filter(QStringLiteral("click")).isEmpty());
}

} // namespace
