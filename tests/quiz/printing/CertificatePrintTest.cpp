#include "PrintedOps.h"

#include "platform/RuntimeError.h"
#include "quiz/CertificatePrint.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

// The recording printer's page is 11520 x 16080 twips; a text is 10 twips per character per
// point wide and a line 23 twips per point high (575 at 25 pt, 828 at 36, 644 at 28).
const QColor LightBlue(0, 0, 255);
const QColor LightRed(255, 0, 0);
const QColor Blue(0, 0, 128);
const QColor Black(0, 0, 0);
const QString Times = QStringLiteral("Times New Roman");
const QString Banner =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

Certificate pupil() {
    return {QStringLiteral("The Pyramids"), 1000, QStringLiteral("Cleo Patera"), 10, 10};
}

class CertificatePrintTest : public ::testing::Test {
  protected:
    const std::vector<PrintOp>& print(const Certificate& c) {
        printCertificate(printer, c);
        return printer.documents.back();
    }
    RecordingPrinter printer;
};

TEST_F(CertificatePrintTest, EveryTextInOrderCentredInItsFontAndColour) {
    ASSERT_EQ(certificateBanner(), Banner);
    ASSERT_EQ(Banner.size(), 59);
    const auto& doc = print(pupil());
    ASSERT_EQ(printer.documents.size(), 1u);
    expectTexts(doc,
                {
                    {QStringLiteral(" "), 1440, 0, 25, LightBlue},
                    // The banner twice on one line: 59 characters at 25 pt are 14750 twips.
                    {Banner, 0, 575, 25, LightBlue, false},
                    {Banner, 14750, 575, 25, LightBlue, false},
                    {QStringLiteral(" "), 29500, 575, 25, LightBlue},
                    {QStringLiteral(" "), 0, 1150, 25, LightBlue},
                    {QStringLiteral(" "), 0, 1725, 25, LightBlue},
                    {QStringLiteral("Ancient Velmora"), 3060, 2300, 36, LightRed},
                    {QStringLiteral(" "), 0, 3128, 36, LightRed},
                    {QStringLiteral("The Pyramids"), 3600, 3956, 36, LightBlue},
                    {QString(), 5760, 4784, 36, LightBlue},
                    {QStringLiteral(" "), 0, 5612, 36, LightBlue},
                    {QStringLiteral(" "), 0, 6440, 36, LightBlue},
                    {QStringLiteral(" "), 0, 7268, 36, LightBlue},
                    {QStringLiteral("Excellent Work"), 3800, 8096, 28, Blue},
                    {QStringLiteral(" "), 0, 8740, 28, Blue},
                    {QStringLiteral("Cleo Patera"), 4220, 9384, 28, Blue},
                    {QString(), 5760, 10028, 28, Blue},
                    {QStringLiteral("You have scored 10 out of 10."), 1700, 10672, 28, Blue},
                    {QStringLiteral(" "), 0, 11316, 28, Blue},
                    {QStringLiteral(" "), 0, 11960, 36, Blue},
                    {QStringLiteral(" "), 0, 12788, 36, Blue},
                    {QStringLiteral(" "), 0, 13616, 25, LightBlue},
                    {Banner, 0, 14191, 25, Black, false},
                    {Banner, 14750, 14191, 25, Black, false},
                },
                Times);
    // The border comes after every text, and the page is sent last.
    EXPECT_EQ(doc[24].kind, PrintOp::Kind::Line);
    EXPECT_EQ(doc.back().kind, PrintOp::Kind::Line);
}

TEST_F(CertificatePrintTest, BorderOfFiveRectanglesAndThreeBoxesInBlack) {
    const auto& doc = print(pupil());
    // Rectangles (m, 225 + m) to (W - m, H - 225 - m) for m = 45 .. 225; the first three are
    // each followed by their box 600 in, 7050 below the top and 3750 above the bottom.
    expectBoxes(doc, {{45, 270, 11475, 15810},
                      {645, 7320, 10875, 12060},
                      {90, 315, 11430, 15765},
                      {690, 7365, 10830, 12015},
                      {135, 360, 11385, 15720},
                      {735, 7410, 10785, 11970},
                      {180, 405, 11340, 15675},
                      {225, 450, 11295, 15630}});
    for (const PrintOp& line : opsOf(doc, PrintOp::Kind::Line)) {
        EXPECT_EQ(line.color, Black);
        EXPECT_EQ(line.drawWidth, 2);
    }
}

TEST_F(CertificatePrintTest, TopicPrintsSmallerOnlyWhenWiderThanAQuarterPage) {
    Certificate c = pupil();
    c.topicWidth = 11520 / 4; // exactly a quarter: not wider
    auto texts = opsOf(print(c), PrintOp::Kind::Text);
    EXPECT_EQ(texts[8].text, c.topic);
    EXPECT_DOUBLE_EQ(texts[8].fontSize, 36);

    c.topicWidth = 2880.5f;
    texts = opsOf(print(c), PrintOp::Kind::Text);
    // Centred on its printed width at 28 pt (12 x 280), whatever the screen measured.
    EXPECT_EQ(texts[8].text, c.topic);
    EXPECT_DOUBLE_EQ(texts[8].fontSize, 28);
    EXPECT_FLOAT_EQ(texts[8].x, 4080);
    EXPECT_DOUBLE_EQ(texts[9].fontSize, 28) << "the line after the topic keeps its size";
    EXPECT_FLOAT_EQ(texts[10].y, 3956 + 2 * 644);
    EXPECT_DOUBLE_EQ(texts[10].fontSize, 36);
}

TEST_F(CertificatePrintTest, EmptyNameLeavesAnEmptyCentredLine) {
    const auto named = opsOf(print(pupil()), PrintOp::Kind::Text);
    Certificate c = pupil();
    c.name.clear();
    const auto unnamed = opsOf(print(c), PrintOp::Kind::Text);
    ASSERT_EQ(unnamed.size(), named.size());
    EXPECT_EQ(unnamed[15].text, QString());
    EXPECT_FLOAT_EQ(unnamed[15].x, 5760);
    EXPECT_FLOAT_EQ(unnamed[15].y, 9384);
    for (size_t i = 0; i < named.size(); ++i) {
        if (i == 15) continue;
        EXPECT_TRUE(sameDocument({named[i]}, {unnamed[i]})) << "text " << i;
    }
}

TEST_F(CertificatePrintTest, ScoreLineWritesNumbersWithALeadingSpace) {
    Certificate c = pupil();
    c.score = 4;
    c.total = 4;
    const auto texts = opsOf(print(c), PrintOp::Kind::Text);
    EXPECT_EQ(texts[17].text, QStringLiteral("You have scored 4 out of 4."));
    EXPECT_FLOAT_EQ(texts[17].x, (11520 - 27 * 280) / 2.0f);
}

TEST_F(CertificatePrintTest, PrintingTwiceGivesTwoIdenticalDocuments) {
    printCertificate(printer, pupil());
    printCertificate(printer, pupil());
    ASSERT_EQ(printer.documents.size(), 2u);
    EXPECT_TRUE(sameDocument(printer.documents[0], printer.documents[1]));
    EXPECT_EQ(printer.abandoned, 0);
}

TEST_F(CertificatePrintTest, FailuresStopThePageAndGoToTheCaller) {
    printer.noPrinter = true;
    EXPECT_THROW(printCertificate(printer, pupil()), RuntimeError);
    EXPECT_TRUE(printer.documents.empty());

    printer.noPrinter = false;
    printer.failAtOp = 10; // the tenth text
    EXPECT_THROW(printCertificate(printer, pupil()), RuntimeError);
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(printer.abandoned, 1) << "the half page is ended, not left open";

    // The next certificate starts on a page of its own.
    printer.failAtOp = 0;
    printCertificate(printer, pupil());
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(opsOf(printer.documents[0], PrintOp::Kind::Text).size(), 24u);
    EXPECT_FLOAT_EQ(printer.documents[0][0].y, 0);
}

TEST_F(CertificatePrintTest, FailureWhenSendingThePage) {
    printer.failAtOp = 24 + 32 + 1; // every text and line went through; the send fails
    EXPECT_THROW(printCertificate(printer, pupil()), RuntimeError);
    EXPECT_TRUE(printer.documents.empty());
    EXPECT_EQ(printer.abandoned, 1);
}

} // namespace
