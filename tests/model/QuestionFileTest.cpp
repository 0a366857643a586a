#include "BuildFolders.h"
#include "FileSizeLimit.h"

#include "model/QuestionFile.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

// A program folder of its own with its worksheet folder, as the program keeps them.
struct Folder {
    Folder() { QDir(dir.path()).mkpath(QStringLiteral("multiple")); }
    QString path() const { return dir.path(); }
    void writeFile(const QString& relativePath, const QByteArray& bytes) const {
        QFile f(dir.filePath(relativePath));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString& relativePath) const {
        QFile f(dir.filePath(relativePath));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    SequentialFile file{folder};
};

const QString Path = QStringLiteral("multiple/q.txt");

// A well-formed file whose every field names itself ("B q3 c2"), so a field that lands in the
// wrong slot or keeps an old value shows. `shift` moves the correct digits between sets.
QStringList taggedLines(const QString& tag, int shift) {
    QStringList lines{tag + QStringLiteral(" title"), QStringLiteral(" ")};
    for (int n = 1; n <= 10; ++n) {
        const QString q = tag + QStringLiteral(" q") + QString::number(n);
        lines << q;
        for (int c = 1; c <= 4; ++c)
            lines << q + QStringLiteral(" c") + QString::number(c);
        lines << QString::number((n + shift) % 4 + 1) << QStringLiteral(" ");
    }
    return lines;
}

QByteArray joined(const QStringList& lines, const char* end = "\r\n") {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toLatin1() + end;
    return out;
}

// The six fields of question n in file order.
QStringList questionFields(const QuestionSet& s, int n) {
    return {s.question(n).text,      s.question(n).choice(1), s.question(n).choice(2),
            s.question(n).choice(3), s.question(n).choice(4), s.question(n).correct};
}

QStringList allFields(const QuestionSet& s) {
    QStringList out{s.title};
    for (int n = 1; n <= 10; ++n)
        out << questionFields(s, n);
    return out;
}

// What a complete load of taggedLines(tag, shift) must give, in the order of allFields.
QStringList expectedFields(const QString& tag, int shift) {
    QStringList lines = taggedLines(tag, shift);
    QStringList out{lines[0]};
    for (int n = 0; n < 10; ++n)
        out << lines.mid(2 + 7 * n, 6);
    return out;
}

class QuestionFileTest : public ::testing::Test {
  protected:
    void load(const QByteArray& bytes) {
        t.writeFile(Path, bytes);
        SequentialFile& file = t.file;
        file.openInput(Path);
        try {
            readQuestionSet(file, set);
        } catch (...) {
            file.close();
            throw;
        }
        file.close();
    }
    void write(const QuestionSet& s) {
        SequentialFile& file = t.file;
        file.openOutput(Path);
        writeQuestionFile(file, s);
        file.close();
    }
    QStringList folderEntries() const {
        return QDir(t.path() + QStringLiteral("/multiple")).entryList(QDir::Files);
    }

    Folder t;
    QuestionSet set;
};

TEST_F(QuestionFileTest, CommasAreStoredAsAmpersandsAndAmpersandsReadBackAsCommas) {
    EXPECT_EQ(escapeCommas(QStringLiteral("Rome, Greece, Egypt")),
              QStringLiteral("Rome& Greece& Egypt"));
    EXPECT_EQ(unescapeCommas(QStringLiteral("salt & pepper&")), QStringLiteral("salt , pepper,"));

    QStringList lines = taggedLines(QStringLiteral("A"), 0);
    lines[0] = QStringLiteral("Rome& Greece");
    lines[3] = QStringLiteral("salt & pepper");
    lines[7] = QStringLiteral("&"); // a digit line is taken as it stands
    load(joined(lines));
    EXPECT_EQ(set.title, QStringLiteral("Rome, Greece"));
    EXPECT_EQ(set.question(1).choice(1), QStringLiteral("salt , pepper"));
    EXPECT_EQ(set.question(1).correct, QStringLiteral("&"));

    write(set);
    const QList<QByteArray> written = t.readFile(Path).split('\n');
    EXPECT_EQ(written[0], QByteArray("Rome& Greece\r"));
    EXPECT_EQ(written[3], QByteArray("salt & pepper\r"));
    EXPECT_EQ(written[7], QByteArray("&\r"));
}

// A double quote is text wherever it stands: a question that opens with one, or a choice whose
// quote is never closed, neither cuts its line nor swallows the lines after it.
TEST_F(QuestionFileTest, DoubleQuotesAreOrdinaryText) {
    load(joined(taggedLines(QStringLiteral("A"), 0)));
    set.title = QStringLiteral("\"Quoted\" title");
    set.question(1).text = QStringLiteral("\"Ankh\" means what?");
    set.question(1).choice(1) = QStringLiteral("\"Life");
    set.question(1).choice(2) = QStringLiteral("\"");
    set.question(1).choice(3) = QStringLiteral("a \"b\" c\"");
    set.question(2).text = QStringLiteral("\"Who\", asked he");
    const QuestionSet written = set;
    write(set);
    set = QuestionSet{};
    load(t.readFile(Path));
    EXPECT_EQ(allFields(set), allFields(written));
}

// Blanks a teacher typed at the start of a text come back with it; a correct-choice digit is
// still read without them.
TEST_F(QuestionFileTest, LeadingBlanksAreKeptAndExtraLinesIgnored) {
    QStringList lines = taggedLines(QStringLiteral("A"), 0);
    lines[0] = QStringLiteral("  \t The Nile");
    lines[2] = QStringLiteral(" Who built it?");
    lines[3] = QStringLiteral("  ");
    lines[7] = QStringLiteral(" 3");
    lines << QStringLiteral("line 73") << QStringLiteral("more, and more");
    load(joined(lines));
    EXPECT_EQ(set.title, QStringLiteral("  \t The Nile"));
    EXPECT_EQ(set.question(1).text, QStringLiteral(" Who built it?"));
    EXPECT_EQ(set.question(1).choice(1), QStringLiteral("  "));
    EXPECT_EQ(set.question(1).correct, QStringLiteral("3"));
    EXPECT_EQ(set.question(10).choice(4), QStringLiteral("A q10 c4"));
}

TEST_F(QuestionFileTest, EveryLineEndStyleLoadsTheSame) {
    const QStringList expected = expectedFields(QStringLiteral("A"), 0);
    for (const char* end : {"\r\n", "\n", "\r"}) {
        load(joined(taggedLines(QStringLiteral("A"), 0), end));
        EXPECT_EQ(allFields(set), expected) << "line end " << QByteArray(end).toHex().data();
        set = QuestionSet{};
    }
}

TEST_F(QuestionFileTest, ASecondLoadReplacesEveryField) {
    load(joined(taggedLines(QStringLiteral("A"), 0)));
    load(joined(taggedLines(QStringLiteral("B"), 1)));
    EXPECT_EQ(allFields(set), expectedFields(QStringLiteral("B"), 1));
}

TEST_F(QuestionFileTest, AShortFileFailsKeepingWhatWasReadBeforeTheEnd) {
    load(joined(taggedLines(QStringLiteral("A"), 0)));
    // 27 lines end after choice 3 of question 4.
    const QByteArray shortFile = joined(taggedLines(QStringLiteral("B"), 1).mid(0, 27));
    try {
        load(shortFile);
        FAIL() << "a short file loaded";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::InputPastEnd);
    }
    const QStringList a = expectedFields(QStringLiteral("A"), 0);
    const QStringList b = expectedFields(QStringLiteral("B"), 1);
    // Title, questions 1 to 3 and the first four fields of question 4 are new.
    const int fresh = 1 + 3 * 6 + 4;
    EXPECT_EQ(allFields(set).mid(0, fresh), b.mid(0, fresh));
    EXPECT_EQ(allFields(set).mid(fresh), a.mid(fresh));
}

TEST_F(QuestionFileTest, WritesSeventyTwoCrLfLinesInWindows1252) {
    load(joined(taggedLines(QStringLiteral("A"), 2)));
    set.title = QString::fromUtf8("Caf\u00e9 \u20ac5");
    write(set);
    const QByteArray bytes = t.readFile(Path);
    EXPECT_TRUE(bytes.startsWith("Caf\xe9 \x80"
                                 "5\r\n \r\nA q1\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 72);
    EXPECT_EQ(bytes.count('\n'), 72);
    EXPECT_TRUE(bytes.endsWith("A q10 c4\r\n1\r\n \r\n"));
    const QByteArray tail = bytes.mid(bytes.indexOf('\n') + 1);
    EXPECT_EQ(tail, joined(taggedLines(QStringLiteral("A"), 2).mid(1)));
}

TEST_F(QuestionFileTest, AFailedWriteLeavesTheOldFileWhole) {
    const QByteArray old = joined(taggedLines(QStringLiteral("A"), 0));
    t.writeFile(Path, old);
    QuestionSet other;
    other.title = QStringLiteral("Other");

    SequentialFile& file = t.file;
    file.openOutput(Path);
    writeQuestionFile(file, other);
    file.abandon(); // the error step of a handler that failed half way
    EXPECT_EQ(t.readFile(Path), old);

    EXPECT_THROW(
        {
            FileSizeLimit full(16);
            file.openOutput(Path);
            writeQuestionFile(file, other);
            file.close();
        },
        RuntimeError);
    file.abandon();
    EXPECT_EQ(t.readFile(Path), old);
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("q.txt")});
}

class ShippedQuestionFileTest : public QuestionFileTest,
                                public ::testing::WithParamInterface<const char*> {};

TEST_P(ShippedQuestionFileTest, LoadsAndWritesBackByteForByte) {
    QFile shipped(built::sourceDir() + QStringLiteral("/content/multiple/") +
                  QString::fromUtf8(GetParam()) + QStringLiteral(".txt"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    load(bytes);
    EXPECT_EQ(set.title, QString::fromUtf8(GetParam()));
    write(set);
    EXPECT_EQ(t.readFile(Path), bytes);
}

// The quiz screen shows the choice a digit names, and the shipped sets should not always put
// the answer in the same place.
TEST_P(ShippedQuestionFileTest, EveryQuestionIsCompleteAndAnswersUseAllFourPlaces) {
    QFile shipped(built::sourceDir() + QStringLiteral("/content/multiple/") +
                  QString::fromUtf8(GetParam()) + QStringLiteral(".txt"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    load(shipped.readAll());
    QSet<QString> places;
    for (int n = 1; n <= 10; ++n) {
        const QStringList fields = questionFields(set, n);
        for (const QString& field : fields)
            EXPECT_FALSE(field.isEmpty()) << "question " << n;
        EXPECT_TRUE(QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4")})
                        .contains(set.question(n).correct))
            << "question " << n;
        places.insert(set.question(n).correct);
        // The wizard's box lengths, so the texts fit the quiz screen's labels.
        EXPECT_LE(set.question(n).text.size(), 60) << "question " << n;
        for (const QString& choice : fields.mid(1, 4))
            EXPECT_LE(choice.size(), 30) << choice.toStdString();
    }
    EXPECT_EQ(places.size(), 4);
}

INSTANTIATE_TEST_SUITE_P(Topics, ShippedQuestionFileTest,
                         ::testing::Values("The Pyramids", "Words and Numbers"));

} // namespace
