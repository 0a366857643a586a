// The printer service against a real CUPS server: run-with-cups.sh starts one whose default
// queue writes what it is sent to a PDF file. The program prints as on a school's computer,
// to the system's default printer, and the paper is read back from that file.
#include "platform/Fonts.h"
#include "platform/QtPrinter.h"
#include "quiz/CertificatePrint.h"
#include "results/ResultsPrintout.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdio>

using namespace av;

namespace {

QString queueName() {
    return qEnvironmentVariable("VELMORA_CUPS_QUEUE");
}

QString queueFile() {
    return qEnvironmentVariable("VELMORA_CUPS_PDF");
}

QString output(const QString& program, const QStringList& arguments) {
    QProcess run;
    run.start(program, arguments);
    if (!run.waitForFinished(30000)) return QString();
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The queue's jobs that CUPS has not finished yet.
QString unfinishedJobs() {
    return output(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"),
                                             QStringLiteral("-o"), queueName()})
        .trimmed();
}

int finishedJobCount() {
    return int(output(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"),
                                                 QStringLiteral("-o"), queueName()})
                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                   .size());
}

// A whole PDF ends with its end-of-file mark; a file the queue is still writing does not.
bool wholePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = file.readAll();
    return data.startsWith("%PDF") && data.trimmed().endsWith("%%EOF");
}

// Waits until CUPS has finished `jobs` jobs in all and the queue's file holds a whole PDF.
::testing::AssertionResult printedOut(int jobs) {
    QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired()) {
        if (finishedJobCount() >= jobs && unfinishedJobs().isEmpty() && wholePdf(queueFile()))
            return ::testing::AssertionSuccess();
        QThread::msleep(100);
    }
    return ::testing::AssertionFailure()
           << "after 30 s CUPS had finished " << finishedJobCount() << " of " << jobs
           << " jobs, still waiting: \"" << unfinishedJobs().toStdString() << "\", and "
           << (wholePdf(queueFile()) ? "a whole PDF" : "no whole PDF") << " in the queue's file";
}

QString textOf(const QString& pdf) {
    return output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

int pagesOf(const QString& pdf) {
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    const auto match = pages.match(output(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

PupilResult result(const QString& pupil, const QString& activity, int score, int day) {
    PupilResult r;
    r.when = QDateTime(QDate(2026, 3, day), QTime(9, 15));
    r.computer = QStringLiteral("CLASS-3");
    r.account = QStringLiteral("pupil");
    r.pupil = pupil;
    r.activity = activity;
    r.score = score;
    r.outOf = 10;
    return r;
}

// The teacher's list of results, then a pupil's certificate, each as one job on the system's
// default printer, each arriving whole with its words on one page.
TEST(CupsQueue, ResultsAndACertificateComeOutOfTheDefaultPrinter) {
    // The program sees the queue as the default printer: it talks to CUPS, not to a PDF writer.
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName().toStdString(),
              queueName().toStdString());
    ASSERT_FALSE(QFile::exists(queueFile())) << "nothing is printed yet";

    QtPrinter printer;
    printResults(printer, QStringLiteral("Pupils' Results: Rivers"),
                 {result(QStringLiteral("Nefer Amun"), QStringLiteral("Rivers"), 7, 2),
                  result(QStringLiteral("Tiye Sobek"), QStringLiteral("Rivers"), 10, 3),
                  result(QStringLiteral("Khafra Ptah"), QStringLiteral("Rivers"), 4, 4)});
    ASSERT_TRUE(printedOut(1));
    const QString results = textOf(queueFile());
    for (const QString& word : {QStringLiteral("Pupils' Results: Rivers"), QStringLiteral("When"),
                                QStringLiteral("Pupil"), QStringLiteral("Activity"),
                                QStringLiteral("Score"), QStringLiteral("2026-03-02 09:15"),
                                QStringLiteral("Nefer Amun"), QStringLiteral("7 out of 10"),
                                QStringLiteral("Tiye Sobek"), QStringLiteral("10 out of 10"),
                                QStringLiteral("Khafra Ptah"), QStringLiteral("4 out of 10")})
        EXPECT_TRUE(results.contains(word)) << word.toStdString() << " is not on\n"
                                            << results.toStdString();
    EXPECT_EQ(pagesOf(queueFile()), 1);

    // The next job replaces the file, so the certificate is read on its own.
    ASSERT_TRUE(QFile::remove(queueFile()));
    const QString topic = QStringLiteral("Pyramids");
    printCertificate(printer, {topic, surfaceTextWidth(surfaceFont(), topic),
                               QStringLiteral("Tiye Sobek"), 10, 10});
    ASSERT_TRUE(printedOut(2));
    const QString certificate = textOf(queueFile());
    for (const QString& word :
         {QStringLiteral("Ancient Velmora"), topic, QStringLiteral("Excellent Work"),
          QStringLiteral("Tiye Sobek"), QStringLiteral("You have scored 10 out of 10.")})
        EXPECT_TRUE(certificate.contains(word)) << word.toStdString() << " is not on\n"
                                                << certificate.toStdString();
    EXPECT_EQ(pagesOf(queueFile()), 1);
}

} // namespace

// Skips (77) when it is not run through run-with-cups.sh or cannot read the paper back.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fonts::registerFaces();
    ::testing::InitGoogleTest(&argc, argv);
    if (queueName().isEmpty() || queueFile().isEmpty()) {
        std::puts("skipped: no print server to test against; run through run-with-cups.sh");
        return 77;
    }
    for (const char* tool : {"pdftotext", "pdfinfo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::printf("skipped: %s (poppler-utils) is not installed to read the paper back\n",
                        tool);
            return 77;
        }
    }
    return RUN_ALL_TESTS();
}
