#include "FileSizeLimit.h"
#include "WorksheetFixture.h"
#include "quiz/QuizScreen.h"

#include "model/RegisterRecovery.h"
#include "platform/StagedFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace av;
using namespace av::test;

namespace {

using Answer = MessageBoxService::Answer;

const QString Track = QStringLiteral("multiple/track.txt");
const QString Kept = QStringLiteral("multiple/track.txt.unreadable");

class WorksheetSafetyTest : public WorksheetFixture {
  protected:
    QByteArray registerFile() { return t.readFile(Track); }
    QString sheet(const QString& title) {
        return QStringLiteral("multiple/") + title + QStringLiteral(".txt");
    }
    // Every file with its bytes, to show nothing at all changed.
    QMap<QString, QByteArray> snapshot() {
        QMap<QString, QByteArray> files;
        for (const QString& f : allFiles())
            files.insert(f, t.readFile(f));
        return files;
    }
    void setAge(const QString& relativePath, int minutesAgo) {
        QFile f(t.folderPath() + QLatin1Char('/') + relativePath);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo),
                                  QFileDevice::FileModificationTime));
    }
    void clickTitle(const QString& title) {
        for (int j = 1; j <= WorksheetCatalogue::Entries; ++j)
            if (!catalogue().entry(j).isHidden() && catalogue().entry(j).caption() == title) {
                catalogue().entry(j).click();
                return;
            }
        ADD_FAILURE() << "not listed: " << title.toStdString();
    }
    const QString noTitle = QStringLiteral("You have not chosen a title for your worksheet");
    const QString deleteProblem = QStringLiteral("There was a problem deleting your worksheet.");
};

TEST_F(WorksheetSafetyTest, ARegisterWithAByteOrderMarkListsAndTakesNewWorksheets) {
    writeWorksheet(QStringLiteral("Romans"));
    const QByteArray romans = t.readFile(sheet(QStringLiteral("Romans")));
    t.writeFile(Track, "\xEF\xBB\xBF 1 \r\nRomans\r\n");
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Romans")});

    fillWizard(QStringLiteral("Greeks"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    EXPECT_EQ(registerFile(), QByteArray(" 2 \r\nRomans\r\nGreeks\r\n"))
        << "written back in the program's own form, without the mark";
    EXPECT_EQ(t.readFile(sheet(QStringLiteral("Romans"))), romans);
}

TEST_F(WorksheetSafetyTest, AQuestionFileInUtf8ReadsAsWrittenAndIsSavedInTheCodePage) {
    writeWorksheet(QStringLiteral("Gaul"));
    QByteArray utf8 = t.readFile(sheet(QStringLiteral("Gaul")));
    utf8.replace("Gaul asks 1", "O\xC3\xB9 est Lut\xC3\xA8"
                                "ce ?");
    writeRegister({QStringLiteral("Gaul")});
    for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
        t.writeFile(sheet(QStringLiteral("Gaul")), bytes);
        catalogue().editMode().setChecked(true);
        clickTitle(QStringLiteral("Gaul"));
        EXPECT_EQ(wizard().titleBox().text(), QStringLiteral("Gaul"));
        EXPECT_EQ(wizard().questionBox(0).text(), QStringLiteral("Où est Lutèce ?"));
    }
    t.messages.shown.clear();
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved}) << "Edit's own worksheet: no question";
    const QByteArray written = t.readFile(sheet(QStringLiteral("Gaul")));
    EXPECT_TRUE(written.startsWith("Gaul\r\n \r\nO\xF9 est Lut\xE8"
                                   "ce ?\r\n"));
    // Windows-1252 that is not valid UTF-8 still reads as Windows-1252.
    catalogue().editMode().setChecked(false);
    clickTitle(QStringLiteral("Gaul"));
    EXPECT_EQ(t.windows().get<QuizScreen>().questionSet().question(1).text,
              QStringLiteral("Où est Lutèce ?"));
}

TEST_F(WorksheetSafetyTest, AMissingRegisterIsCreatedByTheFirstSave) {
    QFile::remove(t.folderPath() + QLatin1Char('/') + Track);
    fillWizard(QStringLiteral("Romans"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    EXPECT_EQ(registerFile(), QByteArray(" 1 \r\nRomans\r\n"));
    EXPECT_EQ(allFiles(), (QStringList{sheet(QStringLiteral("Romans")), Track}));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Romans")});
}

TEST_F(WorksheetSafetyTest, AnUnreadableRegisterIsKeptAsideAndRebuiltOldestFirst) {
    writeWorksheet(QStringLiteral("Newer"));
    writeWorksheet(QStringLiteral("Older"));
    writeWorksheet(QStringLiteral("The Pyramids"));
    t.writeFile(sheet(QStringLiteral("Notes")), "not a worksheet\r\n");
    setAge(sheet(QStringLiteral("Older")), 30);
    setAge(sheet(QStringLiteral("Newer")), 10);
    t.writeFile(Kept, "an earlier unreadable list"); // never overwritten
    const QByteArray damaged("Older\r\nNewer\r\n");  // its count line lost
    t.writeFile(Track, damaged);

    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Older"), QStringLiteral("Newer")}));
    ASSERT_EQ(t.messages.texts(),
              QStringList{rebuiltMessage(QStringLiteral("track.txt.unreadable2"))});
    EXPECT_EQ(t.messages.texts()[0],
              QStringLiteral("The list of saved worksheets could not be read, so it has been "
                             "made again from the worksheets in the folder. The old list was "
                             "kept as \"multiple/track.txt.unreadable2\"."));
    EXPECT_EQ(t.readFile(Kept + QLatin1Char('2')), damaged);
    EXPECT_EQ(t.readFile(Kept), QByteArray("an earlier unreadable list"));
    EXPECT_EQ(registerFile(), QByteArray(" 2 \r\nOlder\r\nNewer\r\n"));

    // Told once: the rebuilt list reads as it is.
    catalogue().exitLink().click();
    processDeferredDeletes();
    t.messages.shown.clear();
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("Older"), QStringLiteral("Newer")}));
    EXPECT_TRUE(t.messages.texts().isEmpty());
}

TEST_F(WorksheetSafetyTest, EveryUnreadableRegisterIsRebuiltAtTheNextSave) {
    const QList<QByteArray> damaged{" 3 \r\nOlder\r\n", " -2 \r\n", "\xEF\xBB\xBF", " 1001 \r\n"};
    for (const QByteArray& bytes : damaged) {
        SCOPED_TRACE(bytes.toStdString());
        for (const QString& f : allFiles())
            QFile::remove(t.folderPath() + QLatin1Char('/') + f);
        writeWorksheet(QStringLiteral("Older"));
        setAge(sheet(QStringLiteral("Older")), 30);
        t.writeFile(Track, bytes);
        t.messages.shown.clear();
        fillWizard(QStringLiteral("Romans"));
        save();
        EXPECT_EQ(t.messages.texts(),
                  (QStringList{rebuiltMessage(QStringLiteral("track.txt.unreadable")), saved}));
        EXPECT_EQ(registerFile(), QByteArray(" 2 \r\nOlder\r\nRomans\r\n"));
        EXPECT_EQ(t.readFile(Kept), bytes);
        processDeferredDeletes();
    }
    // A folder in the register's place is moved aside the same way.
    QFile::remove(t.folderPath() + QLatin1Char('/') + Track);
    ASSERT_TRUE(QDir(t.folderPath()).mkpath(Track));
    t.messages.shown.clear();
    save();
    EXPECT_EQ(t.messages.texts(),
              (QStringList{rebuiltMessage(QStringLiteral("track.txt.unreadable2")), saved}));
    EXPECT_TRUE(QFileInfo(t.folderPath() + QLatin1Char('/') + Kept + QLatin1Char('2')).isDir());
}

TEST_F(WorksheetSafetyTest, AFailedSaveLeavesEveryFileAsItWas) {
    // A file of that name the register does not list, and a register with no room left.
    writeWorksheet(QStringLiteral("Romans"));
    writeRegister(registerNames(1000));
    const auto before = snapshot();
    fillWizard(QStringLiteral("Romans"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{problem});
    EXPECT_EQ(snapshot(), before) << "no question file written, none left under another name";

    // A disk that fills up while the question file is written.
    writeRegister({QStringLiteral("Romans")});
    const auto registered = snapshot();
    t.messages.shown.clear();
    {
        FileSizeLimit full(64);
        save();
    }
    EXPECT_EQ(t.messages.texts().last(), problem);
    EXPECT_EQ(snapshot(), registered);
}

TEST_F(WorksheetSafetyTest, SavingOverARegisteredTitleAsksFirstAndCancelWritesNothing) {
    writeWorksheet(QStringLiteral("Romans"));
    writeRegister({QStringLiteral("Romans")});
    const auto before = snapshot();
    fillWizard(QStringLiteral("Romans"));
    t.messages.answers.push_back(Answer::Cancel);
    save();
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].text, QStringLiteral("There is already a worksheet called "
                                                       "Romans. Do you want to replace it?"));
    EXPECT_EQ(t.messages.shown[0].title, QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(t.messages.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(snapshot(), before);

    t.messages.shown.clear();
    save();
    EXPECT_EQ(t.messages.shown.size(), 2u);
    EXPECT_EQ(t.messages.texts().last(), saved);
    EXPECT_EQ(lines(sheet(QStringLiteral("Romans")))[2], QStringLiteral("Question text 1"));
    EXPECT_EQ(registerFile(), before.value(Track));

    // Once saved, the wizard holds that worksheet: saving it again does not ask.
    t.messages.shown.clear();
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
}

TEST_F(WorksheetSafetyTest, AWorksheetOpenedByEditSavesUnasked) {
    writeWorksheet(QStringLiteral("Romans"));
    writeWorksheet(QStringLiteral("Greeks"));
    writeRegister({QStringLiteral("Romans"), QStringLiteral("Greeks")});
    catalogue().editMode().setChecked(true);
    clickTitle(QStringLiteral("Romans"));
    wizard().questionBox(0).setText(QStringLiteral("Changed"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    EXPECT_EQ(lines(sheet(QStringLiteral("Romans")))[2], QStringLiteral("Changed"));
    // Renamed to another registered worksheet, it asks again.
    wizard().titleBox().setText(QStringLiteral("Greeks"));
    t.messages.answers.push_back(Answer::Cancel);
    t.messages.shown.clear();
    save();
    EXPECT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(lines(sheet(QStringLiteral("Greeks")))[2], QStringLiteral("Greeks asks 1"));
}

TEST_F(WorksheetSafetyTest, ATitleOfBlanksIsNoTitle) {
    for (const char* title : {" ", "   ", " \t "}) {
        fillWizard(QString::fromLatin1(title));
        t.messages.shown.clear();
        save();
        EXPECT_EQ(t.messages.texts(), QStringList{noTitle});
    }
    EXPECT_EQ(allFiles(), QStringList{Track});
}

TEST_F(WorksheetSafetyTest, DeletingAnEntryWhoseFileIsGoneRemovesTheEntry) {
    writeWorksheet(QStringLiteral("Kept"));
    writeRegister({QStringLiteral("Gone"), QStringLiteral("Kept")});
    catalogue().deleteMode().setChecked(true);
    clickTitle(QStringLiteral("Gone"));
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].buttons, MessageBoxService::Buttons::OkCancel);
    EXPECT_EQ(registerFile(), QByteArray(" 1 \r\nKept\r\n"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Kept")});
}

TEST_F(WorksheetSafetyTest, ADeleteThatCannotWriteSaysSoAndChangesNothing) {
    writeWorksheet(QStringLiteral("A"));
    writeWorksheet(QStringLiteral("B"));
    writeRegister({QStringLiteral("A"), QStringLiteral("B")});
    catalogue().deleteMode().setChecked(true);
    const auto before = snapshot();
    {
        FileSizeLimit full(4); // a full disk
        clickTitle(QStringLiteral("A"));
    }
    EXPECT_EQ(t.messages.texts().last(), deleteProblem);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(t.app().worksheets.titles().size(), 2);

    // The folder made unwritable, also for root: a file stands in its place.
    const QString folder = t.folderPath() + QStringLiteral("/multiple");
    ASSERT_TRUE(QDir(folder).removeRecursively());
    t.writeFile(QStringLiteral("multiple"), "not a folder");
    t.messages.shown.clear();
    clickTitle(QStringLiteral("B"));
    EXPECT_EQ(t.messages.texts().last(), deleteProblem);
    EXPECT_EQ(t.readFile(QStringLiteral("multiple")), QByteArray("not a folder"));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
}

// A save killed half way (the power cut, the program killed) leaves its staged copies behind; the
// next save into the folder removes those that are old enough not to be another save's.
TEST_F(WorksheetSafetyTest, TheNextSaveRemovesWhatAKilledSaveLeftBehind) {
    const QString folder = t.folderPath() + QStringLiteral("/multiple");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (const char* name : {"/First sheet 62.txt", "/track.txt"}) {
            // Never committed nor cancelled: the process is killed first.
            auto* staged = new StagedFile(folder + QString::fromLatin1(name));
            if (!staged->open() || !staged->write("half a file") || !staged->flush()) ::_exit(1);
        }
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    QStringList left = QDir(folder).entryList(QDir::Files);
    left.removeAll(QStringLiteral("track.txt"));
    ASSERT_EQ(left.size(), 2) << left.join(QLatin1Char(',')).toStdString();
    for (const QString& name : left)
        setAge(QStringLiteral("multiple/") + name, 120);
    // One that a save on another computer is writing just now, and files that are not staged.
    for (const char* name : {"multiple/Other.txt.AbCdEf", "multiple/track.txt.unreadable",
                             "multiple/track.txt.lock-notes", "multiple/Notes.abcdef"}) {
        t.writeFile(QString::fromLatin1(name), "kept");
        if (QByteArray(name) != "multiple/Other.txt.AbCdEf") setAge(QString::fromLatin1(name), 120);
    }
    fillWizard(QStringLiteral("Greeks"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    EXPECT_EQ(allFiles(), (QStringList{QStringLiteral("multiple/Greeks.txt"),
                                       QStringLiteral("multiple/Notes.abcdef"),
                                       QStringLiteral("multiple/Other.txt.AbCdEf"),
                                       QStringLiteral("multiple/track.txt"),
                                       QStringLiteral("multiple/track.txt.lock-notes"),
                                       QStringLiteral("multiple/track.txt.unreadable")}));
}

// A worksheet a school made writable by its teachers' group stays so after it is saved again.
TEST_F(WorksheetSafetyTest, SavingAgainKeepsTheFilesPermissions) {
    fillWizard(QStringLiteral("Shared"));
    save();
    const QByteArray path =
        QFile::encodeName(t.folderPath() + QStringLiteral("/multiple/Shared.txt"));
    ASSERT_EQ(::chmod(path.constData(), 0664), 0);
    wizard().questionBox(0).setText(QStringLiteral("Changed"));
    save();
    EXPECT_EQ(t.messages.texts(), (QStringList{saved, saved}));
    struct stat st {};
    ASSERT_EQ(::stat(path.constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
}

} // namespace
