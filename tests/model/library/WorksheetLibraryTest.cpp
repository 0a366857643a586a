// The worksheet library's rules, in a temporary worksheet folder without a display.
#include "../RegisterFolder.h"
#include "BuildFolders.h"
#include "FileSizeLimit.h"

#include "model/QuestionFile.h"
#include "model/RegisterLock.h"
#include "model/WorksheetLibrary.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

using Failure = WorksheetLibrary::Failure;
using Replace = WorksheetLibrary::Replace;

const QString Track = QStringLiteral("multiple/track.txt");
const QString Corrupted = QStringLiteral("This worksheet seems to be corrupted.");
const QString DeleteProblem = QStringLiteral("There was a problem deleting your worksheet.");
const QString SaveProblem = QStringLiteral("There was a problem saving your worksheet");

QuestionSet sheet(const QString& tag, const QString& correct = QStringLiteral("2")) {
    QuestionSet set;
    set.title = QStringLiteral("ignored: the library files it under the title given");
    for (int n = 1; n <= QuestionSet::Size; ++n) {
        set.question(n).text = QStringLiteral("%1 asks %2").arg(tag).arg(n);
        for (int c = 1; c <= 4; ++c)
            set.question(n).choice(c) = QStringLiteral("%1 choice %2").arg(tag).arg(c);
        set.question(n).correct = correct;
    }
    return set;
}

class WorksheetLibraryTest : public ::testing::Test {
  protected:
    void SetUp() override { f.write(Track, " 0 \r\n"); }

    // Every file in the folder with its bytes, to show that a failed call changed nothing.
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> files;
        const QDir dir(f.path() + QStringLiteral("/multiple"));
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            files[name] = f.read(QStringLiteral("multiple/") + name);
        return files;
    }
    QStringList fileLines(const QString& relativePath) const {
        QString text = QString::fromLatin1(f.read(relativePath));
        text.chop(2);
        return text.split(QStringLiteral("\r\n"));
    }

    RegisterFolder f;
    WorksheetLibrary library{f.folder};
};

TEST_F(WorksheetLibraryTest, SavedWorksheetsOpenUnderTheirRegisterNameInTheSameFileFormat) {
    const QString amp = QStringLiteral("Rock & Roll");
    const QString blanks = QStringLiteral("  Romans, Greeks");
    ASSERT_TRUE(library.save(amp, sheet(QStringLiteral("R")), Replace::Ask).ok());
    const WorksheetLibrary::Outcome second =
        library.save(blanks, sheet(QStringLiteral("G")), Replace::Ask);
    ASSERT_TRUE(second.ok()) << second.message.toStdString();
    EXPECT_TRUE(second.notice.isEmpty());

    EXPECT_EQ(f.read(Track), QByteArray(" 2 \r\nRock & Roll\r\n\"  Romans, Greeks\"\r\n"));
    const QStringList lines = fileLines(QStringLiteral("multiple/  Romans, Greeks.txt"));
    ASSERT_EQ(lines.size(), 72);
    EXPECT_EQ(lines[0], QStringLiteral("  Romans& Greeks")) << "the title line as always written";
    EXPECT_EQ(lines[2], QStringLiteral("G asks 1"));
    EXPECT_EQ(lines[7], QStringLiteral("2"));
    EXPECT_EQ(library.titles(), (QStringList{amp, blanks}));

    // The file's first line reads back as "Rock , Roll"; the identity is the register's.
    for (const QString& title : {amp, blanks}) {
        const WorksheetLibrary::Opened opened = library.open(title);
        ASSERT_TRUE(opened.ok()) << title.toStdString();
        EXPECT_EQ(opened.set.title, title);
    }
    EXPECT_EQ(library.open(amp).set.question(10).choice(4), QStringLiteral("R choice 4"));
}

TEST_F(WorksheetLibraryTest, AListedTitleIsReplacedOnlyWithLeave) {
    ASSERT_TRUE(
        library.save(QStringLiteral("Romans"), sheet(QStringLiteral("old")), Replace::Ask).ok());
    const auto before = snapshot();
    const WorksheetLibrary::Outcome asked =
        library.save(QStringLiteral("Romans"), sheet(QStringLiteral("new")), Replace::Ask);
    EXPECT_EQ(asked.failure, Failure::Exists);
    EXPECT_TRUE(asked.message.isEmpty()) << "the screen asks; nothing to report";
    EXPECT_EQ(snapshot(), before);

    ASSERT_TRUE(
        library.save(QStringLiteral("Romans"), sheet(QStringLiteral("new")), Replace::Yes).ok());
    EXPECT_EQ(f.read(Track), QByteArray(" 1 \r\nRomans\r\n")) << "still listed once";
    EXPECT_EQ(library.open(QStringLiteral("Romans")).set.question(1).text,
              QStringLiteral("new asks 1"));
}

TEST_F(WorksheetLibraryTest, RemovingTakesOnlyTheTitleOffTheRegister) {
    for (const char* title : {"A", "B", "C"})
        ASSERT_TRUE(
            library.save(QString::fromLatin1(title), sheet(QStringLiteral("x")), Replace::Ask)
                .ok());
    ASSERT_TRUE(library.remove(QStringLiteral("B")).ok());
    EXPECT_EQ(f.read(Track), QByteArray(" 2 \r\nA\r\nC\r\n"));
    EXPECT_EQ(library.titles(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_TRUE(QFile::exists(f.path() + QStringLiteral("/multiple/B.txt")))
        << "the question file stays; only the register lists worksheets";

    const auto before = snapshot();
    EXPECT_TRUE(library.remove(QStringLiteral("Not listed")).ok());
    EXPECT_EQ(snapshot(), before);

    // A worksheet whose file is gone can still be taken off the list.
    QFile::remove(f.path() + QStringLiteral("/multiple/C.txt"));
    EXPECT_EQ(library.open(QStringLiteral("C")).message, Corrupted);
    ASSERT_TRUE(library.remove(QStringLiteral("C")).ok());
    EXPECT_EQ(library.titles(), QStringList{QStringLiteral("A")});
}

TEST_F(WorksheetLibraryTest, AMissingRegisterListsWhatWasReadAndTheFirstSaveMakesIt) {
    f.write(Track, " 1 \r\nKept\r\n");
    ASSERT_TRUE(library.reload().ok());
    QFile::remove(f.path() + QLatin1Char('/') + Track);
    EXPECT_EQ(library.reload().failure, Failure::Unreadable);
    EXPECT_TRUE(library.refresh().ok());
    EXPECT_EQ(library.titles(), QStringList{QStringLiteral("Kept")}) << "the titles read last";

    ASSERT_TRUE(
        library.save(QStringLiteral("First"), sheet(QStringLiteral("x")), Replace::Ask).ok());
    EXPECT_EQ(f.read(Track), QByteArray(" 1 \r\nFirst\r\n")) << "nothing from the lost register";
}

TEST_F(WorksheetLibraryTest, DamagedOrMissingQuestionFilesDoNotOpen) {
    f.write(QStringLiteral("multiple/Short.txt"), "Short\r\n \r\nOnly one question\r\n");
    for (const char* title : {"Short", "Gone", "Rome/Greece"}) {
        const WorksheetLibrary::Opened opened = library.open(QString::fromLatin1(title));
        EXPECT_EQ(opened.failure, Failure::Damaged) << title;
        EXPECT_EQ(opened.message, Corrupted) << title;
    }
    EXPECT_EQ(library.openTopicQuiz(QStringLiteral("multiple\\Gone.txt")).message, Corrupted);
}

TEST_F(WorksheetLibraryTest, AnUnreadableRegisterIsMadeAgainAndSaidOnce) {
    library.save(QStringLiteral("Older"), sheet(QStringLiteral("o")), Replace::Ask);
    f.write(Track, " 7 \r\nOlder\r\n"); // fewer names than its count
    const WorksheetLibrary::Outcome saved =
        library.save(QStringLiteral("Newer"), sheet(QStringLiteral("n")), Replace::Ask);
    ASSERT_TRUE(saved.ok());
    EXPECT_TRUE(saved.notice.contains(QStringLiteral("\"multiple/track.txt.unreadable\"")))
        << saved.notice.toStdString();
    EXPECT_EQ(f.read(QStringLiteral("multiple/track.txt.unreadable")),
              QByteArray(" 7 \r\nOlder\r\n"));
    EXPECT_EQ(library.titles(), (QStringList{QStringLiteral("Older"), QStringLiteral("Newer")}));
    EXPECT_TRUE(library.refresh().notice.isEmpty()) << "told once";

    // Mended on the way to a replace question too: the notice comes with it.
    f.write(Track, "no count\r\n");
    const WorksheetLibrary::Outcome asked =
        library.save(QStringLiteral("Older"), sheet(QStringLiteral("o")), Replace::Ask);
    EXPECT_EQ(asked.failure, Failure::Exists);
    EXPECT_TRUE(asked.notice.contains(QStringLiteral("track.txt.unreadable2")));
}

TEST_F(WorksheetLibraryTest, AFailedWriteChangesNothingAndSaysWhat) {
    ASSERT_TRUE(
        library.save(QStringLiteral("Romans"), sheet(QStringLiteral("a")), Replace::Ask).ok());
    const auto before = snapshot();
    WorksheetLibrary::Outcome saved, removed;
    {
        FileSizeLimit full(64); // a full disk
        saved = library.save(QStringLiteral("Greeks"), sheet(QStringLiteral("b")), Replace::Ask);
        removed = library.remove(QStringLiteral("Romans"));
    }
    EXPECT_EQ(saved.failure, Failure::Unwritable);
    EXPECT_EQ(saved.message, SaveProblem);
    EXPECT_EQ(removed.failure, Failure::Unwritable);
    EXPECT_EQ(removed.message, DeleteProblem);
    EXPECT_EQ(snapshot(), before) << "no staged copy, no changed register";
    EXPECT_EQ(library.titles(), QStringList{QStringLiteral("Romans")});

    const WorksheetLibrary::Outcome refused =
        library.save(QStringLiteral("The Pyramids"), sheet(QStringLiteral("c")), Replace::Yes);
    EXPECT_EQ(refused.failure, Failure::Refused);
    EXPECT_EQ(
        refused.message,
        QStringLiteral("That title is kept for the program's own quizzes; please choose another."));
    EXPECT_EQ(snapshot(), before);
}

TEST_F(WorksheetLibraryTest, ALinkOrAHeldLockStopsAChangeBeforeAnythingIsWritten) {
    ASSERT_TRUE(
        library.save(QStringLiteral("Romans"), sheet(QStringLiteral("a")), Replace::Ask).ok());
    const QString lock = RegisterLock::lockPath(f.folder);
    ASSERT_TRUE(QFile::link(f.path() + QStringLiteral("/elsewhere"), lock));
    auto before = snapshot();
    for (const auto& outcome :
         {library.save(QStringLiteral("Greeks"), sheet(QStringLiteral("b")), Replace::Ask),
          library.remove(QStringLiteral("Romans"))}) {
        EXPECT_EQ(outcome.failure, Failure::Link);
        EXPECT_TRUE(
            outcome.message.startsWith(QStringLiteral("The worksheet folder holds a link")));
    }
    EXPECT_EQ(snapshot(), before);
    EXPECT_FALSE(QFile::exists(f.path() + QStringLiteral("/elsewhere")));

    // Another program holds the lock for longer than a save waits.
    QFile::remove(lock);
    before = snapshot();
    RegisterLock other(f.folder);
    const WorksheetLibrary::Outcome saved =
        library.save(QStringLiteral("Greeks"), sheet(QStringLiteral("b")), Replace::Ask);
    EXPECT_EQ(saved.failure, Failure::Unwritable);
    EXPECT_EQ(saved.message, SaveProblem);
    before.remove(QFileInfo(lock).fileName());
    auto after = snapshot();
    after.remove(QFileInfo(lock).fileName());
    EXPECT_EQ(after, before);
}

TEST(WorksheetLibraryPrograms, TwoProgramsSavingAtOnceLoseNothing) {
    RegisterFolder f;
    QProcess first;
    QProcess second;
    const QString folder = f.path() + QStringLiteral("/share");
    first.start(built::program(u"worksheet_saver"),
                {folder, QStringLiteral("First"), QStringLiteral("30")});
    second.start(built::program(u"worksheet_saver"),
                 {folder, QStringLiteral("Second"), QStringLiteral("30")});
    for (QProcess* p : {&first, &second}) {
        ASSERT_TRUE(p->waitForFinished(240000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    const ProgramFolder share(FolderPlan{folder, folder, {}, {}});
    WorksheetLibrary library(share);
    ASSERT_TRUE(library.reload().ok());
    const QStringList titles = library.titles();
    EXPECT_EQ(QSet<QString>(titles.begin(), titles.end()).size(), 60);
    for (const char* tag : {"First", "Second"})
        for (int i = 1; i <= 30; ++i) {
            const QString title = QStringLiteral("%1 sheet %2").arg(QLatin1String(tag)).arg(i);
            const WorksheetLibrary::Opened opened = library.open(title);
            ASSERT_TRUE(opened.ok()) << title.toStdString();
            EXPECT_EQ(opened.set.question(10).text, title + QStringLiteral(", question 10"));
        }
}

} // namespace
