#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace av;

TEST(ProgramFolder, ResolvesBothSeparatorsAndAnyCase) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Images"));
    QFile(dir.path() + QStringLiteral("/Images/Sphinx.jpg")).open(QIODevice::WriteOnly);
    ProgramFolder folder(dir.path());
    const QString expected = dir.path() + QStringLiteral("/Images/Sphinx.jpg");
    EXPECT_EQ(folder.resolve(QStringLiteral("images\\sphinx.jpg")), expected);
    EXPECT_EQ(folder.resolve(QStringLiteral("Images/Sphinx.jpg")), expected);
    EXPECT_EQ(folder.resolve(QStringLiteral("IMAGES\\SPHINX.JPG")), expected);
    // A name that does not exist yet keeps its spelling, in the folder that does.
    EXPECT_EQ(folder.resolve(QStringLiteral("images/New One.txt")),
              dir.path() + QStringLiteral("/Images/New One.txt"));
}

TEST(ProgramFolder, NeverStepsOutsideItself) {
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    EXPECT_THROW(folder.resolve(QStringLiteral("multiple/../../etc/passwd")), RuntimeError);
    EXPECT_THROW(folder.resolve(QStringLiteral("multiple\\..\\x.txt")), RuntimeError);
    EXPECT_THROW(folder.resolve(QString()), RuntimeError);
    EXPECT_EQ(folder.resolve(QStringLiteral("multiple/...txt")),
              dir.path() + QStringLiteral("/multiple/...txt"));
}

// A worksheet folder of its own gets its first register through a file of a name anyone can
// guess; a link planted there beforehand is never written through.
TEST(ProgramFolder, ANewWorksheetFolderNeverWritesThroughAPlantedLink) {
    QTemporaryDir dir, elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("private.txt"));
    QFile privateFile(target);
    ASSERT_TRUE(privateFile.open(QIODevice::WriteOnly));
    privateFile.write("private");
    privateFile.close();
    const QString worksheets = dir.filePath(QStringLiteral("ws"));
    ASSERT_TRUE(QDir().mkpath(worksheets));
    const QString guessed = worksheets + QStringLiteral("/track.txt.new-%1").arg(::getpid());
    ASSERT_TRUE(QFile::link(target, guessed));
    ProgramFolder folder(FolderPlan{dir.path(), worksheets, {}, {}});
    folder.resolveForWriting(QStringLiteral("multiple/Romans.txt"));
    ASSERT_TRUE(privateFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(privateFile.readAll(), QByteArray("private"));
    EXPECT_FALSE(QFileInfo(worksheets + QStringLiteral("/track.txt")).isSymLink());
}
