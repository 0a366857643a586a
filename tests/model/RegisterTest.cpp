// The register file's rules, read and written in a temporary folder without a display.
#include "FileSizeLimit.h"
#include "RegisterFolder.h"

#include "model/Register.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

const QString Track = QStringLiteral("multiple/track.txt");

QByteArray registerBytes(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

QStringList manyNames(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QStringLiteral("Sheet ") + QString::number(i);
    return names;
}

QByteArray registerOf(const QStringList& names) {
    return registerBytes(
        QStringList{QLatin1Char(' ') + QString::number(names.size()) + QLatin1Char(' ')} + names);
}

class RegisterTest : public ::testing::Test {
  protected:
    void SetUp() override { f.write(Track, registerBytes({QStringLiteral(" 0 ")})); }

    void load() { loadRegister(f.file, f.list); }
    void add(const QString& title) { registerWorksheet(f.file, f.list, title); }
    void remove(const QString& name) { unregisterWorksheet(f.file, f.list, name); }
    // The register as every reader sees it: a fresh load from the file.
    QStringList listed() {
        load();
        return f.list.names();
    }
    template <typename F> void expectFailure(RuntimeError::Code code, F&& operation) {
        try {
            operation();
            ADD_FAILURE() << "no error raised";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code(), code);
        }
        EXPECT_FALSE(f.file.isOpen()) << "the register file left open";
    }

    RegisterFolder f;
};

TEST_F(RegisterTest, LoadReadsTheCountedNamesAndIgnoresTheRest) {
    f.list.setName(3, QStringLiteral("old"));
    f.write(Track, registerBytes({QStringLiteral(" 2 "), QStringLiteral("A"), QStringLiteral("  B"),
                                  QStringLiteral("C"), QStringLiteral("D,E")}));
    load();
    EXPECT_EQ(f.list.count(), 2);
    EXPECT_EQ(f.list.name(1), QStringLiteral("A"));
    EXPECT_EQ(f.list.name(2), QStringLiteral("B"));
    EXPECT_EQ(f.list.name(3), QStringLiteral("old"));
    EXPECT_FALSE(f.file.isOpen());

    // The next write keeps only the counted names.
    add(QStringLiteral("F"));
    EXPECT_EQ(f.read(Track), registerBytes({QStringLiteral(" 3 "), QStringLiteral("A"),
                                            QStringLiteral("B"), QStringLiteral("F")}));
}

TEST_F(RegisterTest, FewerNamesThanTheCountFailKeepingWhatWasRead) {
    f.list.setName(3, QStringLiteral("old"));
    f.write(Track,
            registerBytes({QStringLiteral(" 3 "), QStringLiteral("A"), QStringLiteral("B")}));
    expectFailure(RuntimeError::InputPastEnd, [this] { load(); });
    EXPECT_EQ(f.list.count(), 3);
    EXPECT_EQ(f.list.name(2), QStringLiteral("B"));
    EXPECT_EQ(f.list.name(3), QStringLiteral("old"));
    // Neither operation writes over a register it could not read.
    const QByteArray before = f.read(Track);
    expectFailure(RuntimeError::InputPastEnd, [this] { add(QStringLiteral("C")); });
    expectFailure(RuntimeError::InputPastEnd, [this] { remove(QStringLiteral("A")); });
    EXPECT_EQ(f.read(Track), before);
}

TEST_F(RegisterTest, ACountOverAThousandLoadsTheFirstThousandAndFails) {
    QStringList lines{QStringLiteral(" 1005 ")};
    lines << manyNames(1005);
    f.write(Track, registerBytes(lines));
    expectFailure(RuntimeError::SubscriptOutOfRange, [this] { load(); });
    EXPECT_EQ(f.list.count(), 1005);
    EXPECT_EQ(f.list.name(1), QStringLiteral("Sheet 1"));
    EXPECT_EQ(f.list.name(1000), QStringLiteral("Sheet 1000"));
}

TEST_F(RegisterTest, AppendingWritesTheCountAsANumberLineAndKeepsTheCountThatWasRead) {
    add(QStringLiteral("Romans"));
    EXPECT_EQ(f.read(Track), QByteArray(" 1 \r\nRomans\r\n"));
    EXPECT_EQ(f.list.count(), 0);
    EXPECT_EQ(f.list.name(1), QStringLiteral("Romans"));

    add(QStringLiteral("romans")); // names differ by case
    add(QStringLiteral("Romans "));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Romans"), QStringLiteral("romans"),
                                     QStringLiteral("Romans ")}));
}

TEST_F(RegisterTest, AppendingAListedNameLeavesTheFileByteForByte) {
    // Not as the writer would put it, so any rewrite would show.
    const QByteArray odd("2\nRomans\n  Greeks\nleft over\n");
    f.write(Track, odd);
    add(QStringLiteral("Greeks"));
    EXPECT_EQ(f.read(Track), odd);
}

TEST_F(RegisterTest, DeletingClosesTheGap) {
    f.write(Track, registerOf({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    remove(QStringLiteral("B"));
    EXPECT_EQ(f.read(Track), QByteArray(" 2 \r\nA\r\nC\r\n"));
    EXPECT_EQ(f.list.count(), 2);

    remove(QStringLiteral("a")); // not listed: exact comparison
    EXPECT_EQ(f.read(Track), QByteArray(" 2 \r\nA\r\nC\r\n"));
    remove(QStringLiteral("C"));
    remove(QStringLiteral("A"));
    EXPECT_EQ(f.read(Track), QByteArray(" 0 \r\n"));
}

TEST_F(RegisterTest, NamesTheReadingRuleWouldSplitOrTrimComeBackAsThemselves) {
    const QStringList awkward{QStringLiteral("Rome, Greece"), QStringLiteral(" Romans"),
                              QStringLiteral("Egypt "), QStringLiteral("Plain")};
    for (const QString& name : awkward)
        add(name);
    EXPECT_EQ(listed(), awkward);
    // Only the names that need it are quoted.
    EXPECT_EQ(f.read(Track), QByteArray(" 4 \r\n\"Rome, Greece\"\r\n\" Romans\"\r\n"
                                        "\"Egypt \"\r\nPlain\r\n"));

    add(QStringLiteral(" Romans")); // found as itself: nothing written
    remove(QStringLiteral("Egypt "));
    remove(QStringLiteral("Rome"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Rome, Greece"), QStringLiteral(" Romans"),
                                     QStringLiteral("Plain")}));
    remove(QStringLiteral("Rome, Greece"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral(" Romans"), QStringLiteral("Plain")}));
}

TEST_F(RegisterTest, NamesWithDoubleQuotesComeBackAsThemselves) {
    const QStringList quoted{QStringLiteral("\"Ankh\" means life"), QStringLiteral("\"Open"),
                             QStringLiteral("Say \"hi\""), QStringLiteral("\""),
                             QStringLiteral("After")};
    for (const QString& name : quoted)
        add(name);
    EXPECT_EQ(listed(), quoted);
    // A register from before, quoted where a comma needed it, still reads the same; a quote left
    // open ends with its line instead of swallowing the names after it.
    f.write(Track, QByteArray(" 3 \r\n\"Rome, Greece\"\r\n\"Open\r\nLast\r\n"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Rome, Greece"), QStringLiteral("Open"),
                                     QStringLiteral("Last")}));
}

TEST_F(RegisterTest, AThousandAndFirstRegistrationFailsWithNothingWritten) {
    const QByteArray full = registerOf(manyNames(1000));
    f.write(Track, full);
    expectFailure(RuntimeError::SubscriptOutOfRange, [this] { add(QStringLiteral("One more")); });
    EXPECT_EQ(f.read(Track), full);
    // One name fewer and the last slot is still free.
    f.write(Track, registerOf(manyNames(999)));
    add(QStringLiteral("Last"));
    EXPECT_EQ(listed().size(), 1000);
    EXPECT_EQ(f.list.name(1000), QStringLiteral("Last"));
}

TEST_F(RegisterTest, AFailedWriteLeavesTheOldRegisterWhole) {
    const QByteArray old = registerOf({QStringLiteral("A"), QStringLiteral("B")});
    f.write(Track, old);
    // The limit ends before a failure is reported, so the report itself is not cut off.
    expectFailure(RuntimeError::PathAccess, [this] {
        FileSizeLimit full(4);
        add(QStringLiteral("Egyptians"));
    });
    expectFailure(RuntimeError::PathAccess, [this] {
        FileSizeLimit full(4);
        remove(QStringLiteral("A"));
    });
    EXPECT_EQ(f.read(Track), old);
    EXPECT_EQ(QDir(f.path() + QStringLiteral("/multiple")).entryList(QDir::Files),
              QStringList{QStringLiteral("track.txt")});
}

TEST_F(RegisterTest, AMissingRegisterIsCreatedByTheFirstRegistrationOnly) {
    QFile::remove(f.path() + QLatin1Char('/') + Track);
    f.list.setCount(2); // a stale copy lists nothing in the new register
    expectFailure(RuntimeError::FileNotFound, [this] { remove(QStringLiteral("Romans")); });
    EXPECT_FALSE(QFile::exists(f.path() + QLatin1Char('/') + Track));
    add(QStringLiteral("Romans"));
    EXPECT_EQ(f.read(Track), QByteArray(" 1 \r\nRomans\r\n"));
}

} // namespace
