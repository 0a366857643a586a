#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
