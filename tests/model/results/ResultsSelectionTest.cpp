// What the teacher's window narrows and counts, and the one call that keeps a pupil's result.
#include "model/ResultsSelection.h"
#include "model/RecordResult.h"
#include "model/ResultsCsv.h"
#include "model/ResultsExport.h"
#include "model/ResultsFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace av {
namespace {

PupilResult made(const QString& pupil, const QString& activity, int minute, QStringList wrong) {
    PupilResult r;
    r.when = QDateTime(QDate(2026, 12, 8), QTime(9, minute));
    r.computer = QStringLiteral("pc1");
    r.account = QStringLiteral("class4");
    r.pupil = pupil;
    r.activity = activity;
    r.score = 10 - int(wrong.size());
    r.outOf = 10;
    r.wrong = std::move(wrong);
    return r;
}

const QString Pyramids = QStringLiteral("The Pyramids");
const QString Words = QStringLiteral("Words and Numbers");

QList<PupilResult> classResults() {
    return {made(QStringLiteral("Zara"), Pyramids, 50, {QStringLiteral("2"), QStringLiteral("10")}),
            made(QStringLiteral("amir"), Words, 40, {QStringLiteral("2")}),
            made(QStringLiteral("Amir"), Pyramids, 30, {QStringLiteral("10")}),
            made(QStringLiteral("Bea"), Pyramids, 20, {QStringLiteral("10"), QStringLiteral("9")})};
}

TEST(ResultsSelectionTest, APupilOrAnActivityNarrowsTheListAndKeepsItsOrder) {
    ResultsSelection selection(classResults());
    EXPECT_EQ(selection.pupils(), (QStringList{QStringLiteral("Amir"), QStringLiteral("amir"),
                                               QStringLiteral("Bea"), QStringLiteral("Zara")}));
    EXPECT_EQ(selection.activities(), (QStringList{Pyramids, Words}));
    EXPECT_EQ(selection.shown(), classResults());

    selection.chooseActivity(Pyramids);
    ASSERT_EQ(selection.shown().size(), 3);
    EXPECT_EQ(selection.shown()[0].pupil, QStringLiteral("Zara"));
    EXPECT_EQ(selection.shown()[2].pupil, QStringLiteral("Bea"));

    selection.choosePupil(QStringLiteral("Amir"));
    ASSERT_EQ(selection.shown().size(), 1);
    EXPECT_EQ(selection.shown()[0].when.time(), QTime(9, 30));

    selection.chooseActivity(QString());
    selection.choosePupil(QStringLiteral("nobody"));
    EXPECT_TRUE(selection.shown().isEmpty());
}

TEST(ResultsSelectionTest, WrongAnswersAreCountedPerQuestionInTheQuestionsOrder) {
    ResultsSelection selection(classResults());
    EXPECT_TRUE(selection.wrongByQuestion().isEmpty()) << "no activity chosen";
    selection.chooseActivity(Pyramids);
    const auto counts = selection.wrongByQuestion();
    ASSERT_EQ(counts.size(), 3);
    EXPECT_EQ(counts[0].item, QStringLiteral("2"));
    EXPECT_EQ(counts[0].pupils, 1);
    EXPECT_EQ(counts[1].item, QStringLiteral("9"));
    EXPECT_EQ(counts[2].item, QStringLiteral("10"));
    EXPECT_EQ(counts[2].pupils, 3);
    // Another activity's question 2 is not this one's.
    selection.choosePupil(QStringLiteral("amir"));
    EXPECT_TRUE(selection.wrongByQuestion().isEmpty());
}

TEST(RecordResultTest, KeepsTheOutcomeUnderThisComputerAndAccountAndNamesTheNameless) {
    QTemporaryDir base;
    const QString dir = base.filePath(QStringLiteral("not made yet"));
    const ScoredOutcome outcome{QStringLiteral("The Pyramids: Labelling Activity"),
                                QStringLiteral("The Pyramids"), 6, 8,
                                QStringList{QStringLiteral("Nile"), QStringLiteral("Sphinx")}};
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    QString error;
    ASSERT_TRUE(recordResult(dir, outcome, QStringLiteral("  Amir "), &error)) << qPrintable(error);
    ASSERT_TRUE(recordResult(dir, outcome, QStringLiteral("   ")));

    const auto reading = ResultsFolder(dir).read();
    ASSERT_EQ(reading.results.size(), 2);
    const PupilResult& kept = reading.results.last();
    EXPECT_EQ(kept.pupil, QStringLiteral("Amir"));
    EXPECT_EQ(kept.activity, outcome.activity);
    EXPECT_EQ(kept.score, 6);
    EXPECT_EQ(kept.outOf, 8);
    EXPECT_EQ(kept.wrong, outcome.wrong);
    EXPECT_GE(kept.when, before);
    EXPECT_LE(kept.when, QDateTime::currentDateTime());
    EXPECT_EQ(kept.account, QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
    EXPECT_FALSE(kept.computer.isEmpty());
    EXPECT_EQ(reading.results.first().pupil, QStringLiteral("No name"));
}

TEST(RecordResultTest, AFolderThatCannotHoldResultsSaysWhy) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("results")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder belongs
    blocker.close();
    QString error;
    EXPECT_FALSE(recordResult(dir.path(), ScoredOutcome{Pyramids, Pyramids, 1, 10, {}},
                              QStringLiteral("Amir"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("results"))) << qPrintable(error);
}

TEST(ResultsExportTest, AnExportThatCannotBeWrittenLeavesNoHalfFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(ResultsFolder(dir.path()).record(classResults().first()));
    QString error;
    const QString target = dir.filePath(QStringLiteral("no such folder/out.csv"));
    EXPECT_FALSE(exportResults(dir.path(), target, &error));
    EXPECT_TRUE(error.startsWith(target)) << qPrintable(error);
    const QString good = dir.filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(exportResults(dir.path(), good, &error)) << qPrintable(error);
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), 2);
}

} // namespace
} // namespace av

namespace av {
namespace {

// The zone is read again for every local time, so a test may change it for a while.
class ZoneForTest {
  public:
    explicit ZoneForTest(const QByteArray& zone)
        : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
    }
    ~ZoneForTest() {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
    }

  private:
    QByteArray m_old;
    bool m_had;
};

TEST(ResultsCsvTest, LocalTimesReadBackAsWrittenInAnyZoneAndAcrossSummerTime) {
    for (const QByteArray zone : {"Europe/London", "America/New_York", "Australia/Adelaide"}) {
        const ZoneForTest inZone(zone);
        // A summer day, a winter day, and the days summer time starts and ends in Europe and
        // in North America, at hours either side of the change.
        for (const QDateTime& when : {QDateTime(QDate(2026, 7, 1), QTime(14, 5, 9)),
                                      QDateTime(QDate(2026, 12, 8), QTime(10, 15, 3)),
                                      QDateTime(QDate(2026, 3, 29), QTime(0, 30)),
                                      QDateTime(QDate(2026, 3, 29), QTime(9, 0)),
                                      QDateTime(QDate(2026, 10, 25), QTime(0, 30)),
                                      QDateTime(QDate(2026, 10, 25), QTime(23, 0)),
                                      QDateTime(QDate(2026, 3, 8), QTime(1, 0)),
                                      QDateTime(QDate(2026, 11, 1), QTime(12, 0))}) {
            PupilResult r = made(QStringLiteral("Amir"), Pyramids, 0, {});
            r.when = when;
            const QByteArray text = resultsCsv::line(r);
            EXPECT_TRUE(text.startsWith(when.toString(Qt::ISODate).toLatin1() + ','))
                << zone.constData() << ' ' << text.constData();
            const auto back = resultsCsv::parse(text.chopped(2));
            ASSERT_TRUE(back.has_value()) << text.constData();
            EXPECT_EQ(back->when, when) << zone.constData() << ' ' << text.constData();
            EXPECT_EQ(back->when.date(), when.date());
            EXPECT_EQ(back->when.time(), when.time());
            EXPECT_EQ(resultsCsv::line(*back), text);
        }
    }
}

} // namespace
} // namespace av
