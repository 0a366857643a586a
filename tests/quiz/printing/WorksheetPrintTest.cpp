#include "PrintedOps.h"

#include "platform/RuntimeError.h"
#include "quiz/WorksheetPrint.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

// On the recording printer's 11520-twip page: W / 16 = 720, W / 3 = 3840, 2W / 3 = 7680; a
// line is 368 twips at 16 pt, 736 at 32 and 276 at 12.
const QString Topic = QStringLiteral("Ancient Velmora");
const QString Title = QStringLiteral("Rivers of Velmora");

QuestionSet rivers() {
    return questionSet(QStringLiteral("Rivers"));
}

class WorksheetPrintTest : public ::testing::Test {
  protected:
    std::vector<PrintOp> texts(const QuestionSet& set) {
        printWorksheet(printer, Topic, Title, set);
        return opsOf(printer.documents.back(), PrintOp::Kind::Text);
    }
    RecordingPrinter printer;
};

TEST_F(WorksheetPrintTest, HeadingThenQuestionsWithChoicesTwoByTwo) {
    ASSERT_EQ(worksheetHeader(), QStringLiteral("Ancient Velmora") + QString(57, QLatin1Char(' ')) +
                                     QStringLiteral("Marlowind Publishing Ltd"));
    const QColor ink = Qt::black; // the printer's own colour: the worksheet sets none
    std::vector<Placed> want = {
        {QStringLiteral(" "), 1440, 0, 16, ink},
        {worksheetHeader(), 720, 368, 16, ink, false},
        {QStringLiteral(" "), 720 + 96 * 160, 368, 16, ink},
        {QStringLiteral(" "), 0, 736, 16, ink},
        {Topic, (11520 - 15 * 320) / 2.0f, 1104, 32, ink},
        {Title, (11520 - 17 * 320) / 2.0f, 1840, 32, ink},
        {QStringLiteral(" "), 0, 2576, 32, ink},
    };
    const QuestionSet set = rivers();
    for (int n = 1; n <= 10; ++n) {
        const float top = 3312 + 1104 * float(n - 1);
        want.push_back(
            {QStringLiteral("Question") + QStringLiteral(" %1    ").arg(n) + set.question(n).text,
             720, top, 12, ink});
        want.push_back({QStringLiteral("A. first"), 3840, top + 276, 12, ink, false});
        want.push_back({QStringLiteral("B. second"), 7680, top + 276, 12, ink});
        want.push_back({QStringLiteral("C. third"), 3840, top + 552, 12, ink, false});
        want.push_back({QStringLiteral("D. fourth"), 7680, top + 552, 12, ink});
        want.push_back({QStringLiteral(" "), 0, top + 828, 12, ink});
    }
    printWorksheet(printer, Topic, Title, set);
    ASSERT_EQ(printer.documents.size(), 1u);
    expectTexts(printer.documents[0], want, QStringLiteral("Times New Roman"));
    EXPECT_EQ(printer.documents[0].size(), want.size()) << "texts only: no lines, no pictures";
}

TEST_F(WorksheetPrintTest, KeepsThePrintersColour) {
    printer.setForeColor(QColor(255, 0, 0));
    for (const PrintOp& text : texts(rivers()))
        EXPECT_EQ(text.color, QColor(255, 0, 0));
}

TEST_F(WorksheetPrintTest, EmptyQuestionStillPrintsItsNumberedLine) {
    QuestionSet set = rivers();
    set.question(3).text.clear();
    set.question(3).choice(2).clear();
    const auto t = texts(set);
    const size_t q3 = 7 + 2 * 6;
    EXPECT_EQ(t[q3].text, QStringLiteral("Question 3    "));
    EXPECT_FLOAT_EQ(t[q3].x, 720);
    EXPECT_EQ(t[q3 + 2].text, QStringLiteral("B. "));
    EXPECT_EQ(t.size(), 7u + 60u);
}

TEST_F(WorksheetPrintTest, LongChoiceRunsUnderItsNeighbourWithoutWrapping) {
    QuestionSet set = rivers();
    set.question(1).choice(1) = QString(50, QLatin1Char('a')); // 6000 twips from W / 3: past 2W / 3
    const auto t = texts(set);
    EXPECT_EQ(t[8].text, QStringLiteral("A. ") + set.question(1).choice(1));
    EXPECT_FALSE(t[8].lineEnd);
    EXPECT_EQ(t[9].text, QStringLiteral("B. second"));
    EXPECT_FLOAT_EQ(t[9].x, 7680);
    EXPECT_FLOAT_EQ(t[9].y, t[8].y);
}

TEST_F(WorksheetPrintTest, PrintingTwiceGivesTwoIdenticalDocuments) {
    printWorksheet(printer, Topic, Title, rivers());
    printWorksheet(printer, Topic, Title, rivers());
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(sameDocument(printer.documents[0], printer.documents[1]));
}

TEST_F(WorksheetPrintTest, FailuresAtTheStartAndInTheMiddle) {
    printer.noPrinter = true;
    EXPECT_THROW(printWorksheet(printer, Topic, Title, rivers()), RuntimeError);
    printer.noPrinter = false;
    printer.failAtOp = 30;
    EXPECT_THROW(printWorksheet(printer, Topic, Title, rivers()), RuntimeError);
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(printer.abandoned, 1);
}

} // namespace
