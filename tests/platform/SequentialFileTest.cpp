#include "platform/SequentialFile.h"
#include "platform/Cp1252.h"
#include "platform/NumberText.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;

namespace {

class SequentialFileTest : public ::testing::Test {
  protected:
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(dir.path() + QStringLiteral("/multiple"));
        QFile f(dir.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) {
        QFile f(dir.path() + QLatin1Char('/') + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QStringList fields(const QByteArray& bytes, int count) {
        write(QStringLiteral("f.txt"), bytes);
        SequentialFile file(folder);
        file.openInput(QStringLiteral("f.txt"));
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << file.readField();
        EXPECT_TRUE(file.atEnd());
        return out;
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
};

TEST_F(SequentialFileTest, FieldsEndAtCommasAndLineEndsAndSkipLeadingBlanks) {
    EXPECT_EQ(fields("  The Nile\r\n \r\na,b\r\n", 4),
              (QStringList{QStringLiteral("The Nile"), QString(), QStringLiteral("a"),
                           QStringLiteral("b")}));
    // Every line end style reads the same; an empty line is an empty field.
    EXPECT_EQ(fields("x\ny\rz\r\n\r\nw", 5),
              (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QString(),
                           QStringLiteral("w")}));
}

TEST_F(SequentialFileTest, QuotedFieldKeepsCommasAndBlanks) {
    EXPECT_EQ(fields("\"Rome, Greece\"\r\n\" Romans \"\r\n 3 \r\n", 3),
              (QStringList{QStringLiteral("Rome, Greece"), QStringLiteral(" Romans "),
                           QStringLiteral("3 ")}));
}

TEST_F(SequentialFileTest, PlainFieldsKeepDoubleQuotesAndQuotesNeverPassTheirLine) {
    write(QStringLiteral("f.txt"), "\"Ankh\" means what?\r\n\"open\r\nnext\r\n");
    SequentialFile file(folder);
    file.openInput(QStringLiteral("f.txt"));
    EXPECT_EQ(file.readPlainField(), QStringLiteral("\"Ankh\" means what?"));
    EXPECT_EQ(file.readPlainField(), QStringLiteral("\"open"));
    EXPECT_EQ(file.readPlainField(), QStringLiteral("next"));
    file.close();

    EXPECT_EQ(fields("\"open\r\nnext\r\n\"\"Ankh\" life\"\r\n", 3),
              (QStringList{QStringLiteral("open"), QStringLiteral("next"),
                           QStringLiteral("\"Ankh\" life")}));
}

TEST_F(SequentialFileTest, ReadingPastTheEndIsAnErrorTheCallerCanTrap) {
    write(QStringLiteral("f.txt"), "only\r\n");
    SequentialFile file(folder);
    file.openInput(QStringLiteral("f.txt"));
    EXPECT_EQ(file.readField(), QStringLiteral("only"));
    try {
        file.readField();
        FAIL() << "read past the end";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::InputPastEnd);
    }
}

TEST_F(SequentialFileTest, MissingFileAndDoubleOpenFail) {
    SequentialFile file(folder);
    EXPECT_THROW(file.openInput(QStringLiteral("multiple\\nothing.txt")), RuntimeError);
    EXPECT_FALSE(file.isOpen());
    write(QStringLiteral("f.txt"), "a\r\n");
    file.openInput(QStringLiteral("f.txt"));
    EXPECT_THROW(file.openInput(QStringLiteral("f.txt")), RuntimeError);
}

TEST_F(SequentialFileTest, WritesWindows1252WithCrLfAndReadsItBack) {
    const QString text = QStringLiteral("Caf\u00e9 \u20ac5 \u2013 \u201cquoted\u201d");
    QDir().mkpath(dir.path() + QStringLiteral("/multiple"));
    SequentialFile file(folder);
    file.openOutput(QStringLiteral("multiple/out.txt"));
    file.writeLine(text);
    file.writeLine(printedNumber(2));
    file.close();
    EXPECT_EQ(read(QStringLiteral("multiple/out.txt")),
              QByteArray("Caf\xe9 \x80"
                         "5 \x96 \x93quoted\x94\r\n 2 \r\n"));
    file.openInput(QStringLiteral("multiple\\OUT.TXT"));
    EXPECT_EQ(file.readField(), text);
    EXPECT_EQ(fieldToInteger(file.readField()), 2);
}

TEST_F(SequentialFileTest, AbandonedWriteLeavesTheOldFileWhole) {
    write(QStringLiteral("multiple/track.txt"), " 1 \r\nOld\r\n");
    SequentialFile file(folder);
    file.openOutput(QStringLiteral("multiple\\track.txt"));
    file.writeLine(QStringLiteral(" 2 "));
    EXPECT_EQ(read(QStringLiteral("multiple/track.txt")), QByteArray(" 1 \r\nOld\r\n"));
    file.abandon();
    EXPECT_EQ(read(QStringLiteral("multiple/track.txt")), QByteArray(" 1 \r\nOld\r\n"));
    EXPECT_EQ(QDir(dir.path() + QStringLiteral("/multiple")).entryList(QDir::Files).size(), 1);
}

TEST_F(SequentialFileTest, OutputIntoAMissingFolderFails) {
    SequentialFile file(folder);
    EXPECT_THROW(file.openOutput(QStringLiteral("nofolder/x.txt")), RuntimeError);
    EXPECT_FALSE(file.isOpen());
}

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
    EXPECT_FALSE(cp1252::canEncode(QChar(0x4E2D)));
    EXPECT_TRUE(cp1252::canEncode(QChar(0x20AC)));
}

TEST(NumberText, CarriesTheSignPosition) {
    EXPECT_EQ(numberText(7), QStringLiteral(" 7"));
    EXPECT_EQ(numberText(0), QStringLiteral(" 0"));
    EXPECT_EQ(numberText(-3), QStringLiteral("-3"));
    EXPECT_EQ(printedNumber(2), QStringLiteral(" 2 "));
    EXPECT_EQ(fieldToInteger(QStringLiteral(" 12 ")), 12);
    EXPECT_THROW(fieldToInteger(QStringLiteral("twelve")), RuntimeError);
}

} // namespace
