// Pupils' results in a shared folder: real files, real processes, and a CSV reader that is not
// ours.
#include "model/ResultsFolder.h"
#include "BuildFolders.h"
#include "model/ResultsCsv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace av {
namespace {

PupilResult result(const QString& pupil, int second,
                   const QString& computer = QStringLiteral("pc1")) {
    PupilResult r;
    r.when = QDateTime(QDate(2026, 12, 8), QTime(10, 15, second));
    r.computer = computer;
    r.account = QStringLiteral("class4");
    r.pupil = pupil;
    r.activity = QStringLiteral("The Pyramids");
    r.score = 8;
    r.outOf = 10;
    r.wrong = QStringList{QStringLiteral("3"), QStringLiteral("7")};
    return r;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void append(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

TEST(ResultsFolderTest, RecordsAreReadBackNewestFirstWithEveryField) {
    QTemporaryDir dir;
    const ResultsFolder folder(dir.path());
    PupilResult awkward = result(QStringLiteral("Zoë \"Zed\", Łucja"), 9);
    awkward.activity = QStringLiteral("The Pyramids: Labelling Activity");
    awkward.wrong = QStringList{QStringLiteral("Pharaoh, king"), QStringLiteral("Nile")};
    ASSERT_TRUE(folder.record(result(QStringLiteral("Amir"), 1)));
    ASSERT_TRUE(folder.record(awkward));

    const auto reading = folder.read();
    ASSERT_TRUE(reading.readable);
    ASSERT_EQ(reading.results.size(), 2);
    EXPECT_EQ(reading.results[0], awkward);
    EXPECT_EQ(reading.results[1], result(QStringLiteral("Amir"), 1));
    EXPECT_EQ(reading.skippedFiles + reading.skippedLines, 0);

    const QString file = dir.filePath(QStringLiteral("results/pc1 class4 2026-12-08.csv"));
    EXPECT_TRUE(readAll(file).startsWith(
        "When,Computer,Account,Pupil,Activity,Score,Out of,Wrong\r\n2026-12-08T10:15:01,"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "readable by the account and the folder's group only";
}

TEST(ResultsFolderTest, CrashesDamageAndForeignFilesLoseOnlyWhatTheyTouched) {
    QTemporaryDir dir;
    const ResultsFolder folder(dir.path());
    ASSERT_TRUE(folder.record(result(QStringLiteral("Amir"), 1)));
    const QString file = dir.filePath(QStringLiteral("results/pc1 class4 2026-12-08.csv"));
    // A crash in the middle of writing a line, then the next result on the same day.
    append(file, "2026-12-08T10:15:02,pc1,class4,Half");
    ASSERT_TRUE(folder.record(result(QStringLiteral("Bea"), 3)));
    // Another computer's file cut short, a damaged line, a foreign file, a spreadsheet's copy.
    ASSERT_TRUE(folder.record(result(QStringLiteral("Cai"), 4, QStringLiteral("pc2"))));
    const QString other = dir.filePath(QStringLiteral("results/pc2 class4 2026-12-08.csv"));
    append(other, "not,a,result\r\n2026-12-08T10:15:05,pc2,class4,Dee,The Pyramids,11,10,\r\n");
    append(other, "2026-12-08T10:15:06,pc2,class4,Eve,The Pyr");
    QFile foreign(dir.filePath(QStringLiteral("results/notes.csv")));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("Name;Mark\nAmir;8\n");
    foreign.close();

    const auto reading = folder.read();
    QStringList pupils;
    for (const PupilResult& r : reading.results)
        pupils << r.pupil;
    EXPECT_EQ(pupils,
              (QStringList{QStringLiteral("Cai"), QStringLiteral("Bea"), QStringLiteral("Amir")}));
    EXPECT_EQ(reading.skippedFiles, 1);
    EXPECT_EQ(reading.skippedLines, 4);

    // Deleting all results leaves what is not a results file.
    EXPECT_TRUE(folder.removeAll());
    EXPECT_TRUE(folder.read().results.isEmpty());
    EXPECT_TRUE(foreign.exists());
}

TEST(ResultsFolderTest, NeverWritesThroughALinkPlantedForItsFile) {
    QTemporaryDir dir;
    const ResultsFolder folder(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("results")));
    const QString target = dir.filePath(QStringLiteral("private.txt"));
    QFile privateFile(target);
    ASSERT_TRUE(privateFile.open(QIODevice::WriteOnly));
    privateFile.write("mine\n");
    privateFile.close();
    ASSERT_TRUE(
        QFile::link(target, dir.filePath(QStringLiteral("results/pc1 class4 2026-12-08.csv"))));

    QString error;
    EXPECT_FALSE(folder.record(result(QStringLiteral("Amir"), 1), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(target), QByteArray("mine\n"));
}

TEST(ResultsFolderTest, TwoComputersRecordingAtOnceLoseNothing) {
    QTemporaryDir dir;
    constexpr int PerComputer = 200;
    QProcess first, second;
    first.start(built::program(u"result_recorder"),
                {dir.path(), QStringLiteral("pc1"), QString::number(PerComputer)});
    second.start(built::program(u"result_recorder"),
                 {dir.path(), QStringLiteral("pc2"), QString::number(PerComputer)});
    for (QProcess* p : {&first, &second}) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }
    const auto reading = ResultsFolder(dir.path()).read();
    EXPECT_EQ(reading.results.size(), 2 * PerComputer);
    EXPECT_EQ(reading.skippedLines, 0);
}

TEST(ResultsFolderTest, AnExportReadsBackInAnotherCsvReader) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "no python3 to read the CSV with";
    PupilResult awkward = result(QStringLiteral("Zoë \"Zed\", Łucja"), 9);
    awkward.wrong = QStringList{QStringLiteral("Pharaoh, king"), QStringLiteral("Nile")};
    QProcess reader;
    reader.start(python, {QStringLiteral("-c"),
                          QStringLiteral("import csv,sys,io\n"
                                         "rows=list(csv.reader(io.TextIOWrapper(sys.stdin.buffer,"
                                         "encoding='utf-8',newline='')))\n"
                                         "print(len(rows)); print(rows[0][7]); print(rows[2][3]);"
                                         " print(rows[2][7]); print(rows[1][0])")});
    reader.write(resultsCsv::document({result(QStringLiteral("Amir"), 1), awkward}));
    reader.closeWriteChannel();
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QStringList out = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
    ASSERT_GE(out.size(), 5) << reader.readAllStandardError().constData();
    EXPECT_EQ(out[0], QStringLiteral("3"));
    EXPECT_EQ(out[1], QStringLiteral("Wrong"));
    EXPECT_EQ(out[2], awkward.pupil);
    EXPECT_EQ(out[3], QStringLiteral("Pharaoh, king; Nile"));
    EXPECT_EQ(out[4], QStringLiteral("2026-12-08T10:15:01"));
}

TEST(ResultsFolderTest, WrongAnswersAreCountedPerQuestionOfOneActivity) {
    PupilResult other = result(QStringLiteral("Bea"), 2);
    other.wrong = {QStringLiteral("3")};
    PupilResult elsewhere = result(QStringLiteral("Cai"), 3);
    elsewhere.activity = QStringLiteral("Words and Numbers");
    const auto counts = wrongCounts({result(QStringLiteral("Amir"), 1), other, elsewhere},
                                    QStringLiteral("The Pyramids"));
    EXPECT_EQ(counts.value(QStringLiteral("3")), 2);
    EXPECT_EQ(counts.value(QStringLiteral("7")), 1);
    EXPECT_EQ(counts.size(), 2);
}

} // namespace
} // namespace av
