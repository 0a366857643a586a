#include "platform/QtPrinter.h"
#include "quiz/CertificatePrint.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;

namespace {

struct Word {
    QString text;
    double left, top, right;
};

// The words of a PDF with their boxes in points, in reading order.
std::vector<Word> wordsOf(const QString& tool, const QString& pdf) {
    QProcess run;
    run.start(tool, {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    run.waitForFinished(30000);
    const QString html = QString::fromUtf8(run.readAllStandardOutput());
    static const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    std::vector<Word> words;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto w = m.next();
        words.push_back({w.captured(4), w.captured(1).toDouble(), w.captured(2).toDouble(),
                         w.captured(3).toDouble()});
    }
    return words;
}

const Word* find(const std::vector<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

TEST(CertificatePdf, TextsLandCentredAndInOrderOnARealPage) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("certificate.pdf"));
    QtPrinter printer(pdf);
    printCertificate(printer, {QStringLiteral("Pyramids"), 900, QStringLiteral("Nefer"), 10, 10});

    const auto words = wordsOf(tool, pdf);
    QStringList all;
    for (const Word& w : words)
        all.append(w.text);
    const QString text = all.join(QLatin1Char(' '));
    EXPECT_TRUE(text.contains(QStringLiteral("Ancient Velmora"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Excellent Work")));
    EXPECT_TRUE(text.contains(QStringLiteral("You have scored 10 out of 10.")));
    EXPECT_GE(text.count(QStringLiteral("Well Done")), 8) << "two banners at top and bottom";

    const Word* ancient = find(words, QStringLiteral("Ancient"));
    const Word* velmora = find(words, QStringLiteral("Velmora"));
    const Word* topic = find(words, QStringLiteral("Pyramids"));
    const Word* excellent = find(words, QStringLiteral("Excellent"));
    const Word* work = find(words, QStringLiteral("Work"));
    const Word* name = find(words, QStringLiteral("Nefer"));
    ASSERT_TRUE(ancient && velmora && topic && excellent && work && name);
    // Centred lines share one middle, measured in the printer's own fonts.
    const double middle = (ancient->left + velmora->right) / 2;
    EXPECT_NEAR((topic->left + topic->right) / 2, middle, 1.0);
    EXPECT_NEAR((excellent->left + work->right) / 2, middle, 1.0);
    EXPECT_NEAR((name->left + name->right) / 2, middle, 1.0);
    EXPECT_LT(ancient->top, topic->top);
    EXPECT_LT(topic->top, excellent->top);
    EXPECT_LT(excellent->top, name->top);
}

// A pupil's name in Polish, Turkish, Greek or Cyrillic letters comes out on paper as typed.
TEST(CertificatePdf, NamesBeyondTheCodePageArePrinted) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("certificate.pdf"));
    QtPrinter printer(pdf);
    const QStringList name{QStringLiteral("\u0141ucja"), QStringLiteral("\u011e\u00fcl"),
                           QStringLiteral("\u0416\u0430\u043d\u043d\u0430"),
                           QStringLiteral("\u0394\u03ae\u03bc\u03b7\u03c4\u03c1\u03b1")};
    printCertificate(printer,
                     {QStringLiteral("Pyramids"), 900, name.join(QLatin1Char(' ')), 10, 10});
    const auto words = wordsOf(tool, pdf);
    for (const QString& part : name)
        EXPECT_TRUE(find(words, part)) << part.toStdString();
}

} // namespace
