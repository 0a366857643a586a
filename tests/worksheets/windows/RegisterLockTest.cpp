// Every change to the register happens under the lock file in the worksheet folder.
#include "WorksheetFixture.h"

#include "model/RegisterLock.h"

#include "platform/RuntimeError.h"

#include <QLockFile>
#include <QSysInfo>

using namespace av;
using namespace av::test;

namespace {

class RegisterLockTest : public WorksheetFixture {
  protected:
    QString lockPath() const { return t.folderPath() + QStringLiteral("/multiple/track.txt.lock"); }
    // A lock as a program leaves it when it dies while holding it: its process is gone.
    void leaveStaleLock() {
        const QByteArray contents =
            "2147483600\nancient-velmora\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        t.writeFile(QStringLiteral("multiple/track.txt.lock"), contents);
    }
};

TEST_F(RegisterLockTest, ALockLeftByACrashedProgramIsTakenOver) {
    leaveStaleLock();
    fillWizard(QStringLiteral("Romans"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{saved});
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), QByteArray(" 1 \r\nRomans\r\n"));
    EXPECT_FALSE(QFile::exists(lockPath())) << "released after the change";
}

TEST_F(RegisterLockTest, NoMessageIsShownWhileTheLockIsHeld) {
    // A message may stay open for minutes; other programs must not wait on it.
    QStringList heldDuring;
    t.messages.onShow = [&](const QString& text) {
        if (QFile::exists(lockPath())) heldDuring.append(text);
    };
    fillWizard(QStringLiteral("Romans"));
    save();
    QLockFile other(lockPath());
    ASSERT_TRUE(other.tryLock(0));
    save();
    other.unlock();
    catalogue().deleteMode().click();
    catalogue().entry(1).click();
    EXPECT_EQ(t.messages.texts(),
              (QStringList{saved, problem,
                           QStringLiteral("Are you sure that you want to delete the worksheet "
                                          "Romans?")}));
    EXPECT_EQ(heldDuring, QStringList{problem}) << "only the other program's lock was there";
}

TEST_F(RegisterLockTest, ASaveThatCannotHaveTheLockSaysSoAndWritesNothing) {
    QLockFile other(lockPath()); // another program, alive, in the middle of its change
    ASSERT_TRUE(other.tryLock(0));
    const QStringList before = allFiles();
    fillWizard(QStringLiteral("Romans"));
    save();
    EXPECT_EQ(t.messages.texts(), QStringList{problem});
    EXPECT_EQ(allFiles(), before);
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), QByteArray(" 0 \r\n"));
    other.unlock();
    save();
    EXPECT_EQ(t.messages.texts().last(), saved);
}

TEST_F(RegisterLockTest, ADeleteThatCannotHaveTheLockSaysSoAndKeepsTheRegister) {
    writeWorksheet(QStringLiteral("A"));
    writeRegister({QStringLiteral("A")});
    QLockFile other(lockPath());
    ASSERT_TRUE(other.tryLock(0));
    catalogue().deleteMode().click();
    catalogue().entry(1).click();
    EXPECT_EQ(t.messages.texts().last(),
              QStringLiteral("There was a problem deleting your worksheet."));
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), QByteArray(" 1 \r\nA\r\n"));
}

TEST(RegisterLock, WaitsOnlyAsLongAsItIsToldThenFails) {
    TestApp t;
    t.writeFile(QStringLiteral("multiple/track.txt"), " 0 \r\n");
    const ProgramFolder& folder = t.app().services.folder;
    const auto lockBriefly = [&folder] {
        RegisterLock lock(folder, std::chrono::milliseconds(100));
    };
    {
        RegisterLock held(folder);
        EXPECT_THROW(lockBriefly(), RuntimeError);
    }
    EXPECT_NO_THROW(lockBriefly());
}

} // namespace
