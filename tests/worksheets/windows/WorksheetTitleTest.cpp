#include "WorksheetFixture.h"

#include "model/WorksheetFile.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

using namespace av;
using namespace av::test;

namespace {

class WorksheetTitleTest : public WorksheetFixture {
  protected:
    // Saves a complete worksheet under title and returns the messages shown.
    QStringList saveAs(const QString& title) {
        t.messages.shown.clear();
        fillWizard(title);
        save();
        return t.messages.texts();
    }
    const QByteArray emptyRegister{" 0 \r\n"};
};

TEST_F(WorksheetTitleTest, TitlesNoFileSystemAllowsAreRefusedAtTheOpen) {
    for (const char* title : {"Rome/Greece", "Rome\\Greece", "C:Rome", "Rome?", "Rome*", "\"Rome",
                              "<Rome>", "Rome|Greece", "../x", "..\\x", "/tmp/x"}) {
        SCOPED_TRACE(title);
        EXPECT_EQ(saveAs(QString::fromLatin1(title)), QStringList{problem});
        EXPECT_EQ(allFiles(), QStringList{QStringLiteral("multiple/track.txt")})
            << "nothing written anywhere";
        EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), emptyRegister);
    }
}

TEST_F(WorksheetTitleTest, DotTitlesStayPlainFilesInsideMultiple) {
    EXPECT_EQ(saveAs(QStringLiteral("..")), QStringList{saved});
    EXPECT_EQ(saveAs(QStringLiteral(".")), QStringList{saved});
    EXPECT_EQ(allFiles(),
              (QStringList{QStringLiteral("multiple/...txt"), QStringLiteral("multiple/..txt"),
                           QStringLiteral("multiple/track.txt")}));
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), QByteArray(" 2 \r\n..\r\n.\r\n"));
    EXPECT_EQ(lines(QStringLiteral("multiple/...txt"))[0], QStringLiteral(".."));
}

TEST_F(WorksheetTitleTest, FilesThatAreNotThisWorksheetsAreNeverReplaced) {
    writeWorksheet(QStringLiteral("The Pyramids"));
    const QByteArray pyramids = t.readFile(QStringLiteral("multiple/The Pyramids.txt"));
    EXPECT_EQ(saveAs(QStringLiteral("Romans")), QStringList{saved});
    const QByteArray romans = t.readFile(QStringLiteral("multiple/Romans.txt"));
    const QByteArray track = t.readFile(QStringLiteral("multiple/track.txt"));
    const QString reserved =
        QStringLiteral("That title is kept for the program's own quizzes; please choose another.");
    const QString device = QStringLiteral("Computers keep that name for their own devices, so no "
                                          "file can be called it; please choose another title.");
    const QString capitals = QStringLiteral("There is already a worksheet whose title differs from "
                                            "this one only in capital letters; please choose "
                                            "another title.");
    // Each refusal of the program's own says why, so the teacher knows what to change.
    const QList<std::pair<const char*, QString>> refused{{"track", reserved},
                                                         {"TRACK", reserved},
                                                         {"Track", reserved},
                                                         {"The Pyramids", reserved},
                                                         {"the pyramids", reserved},
                                                         {"Words and Numbers", reserved},
                                                         {"ROMANS", capitals},
                                                         {"NUL", device},
                                                         {"Con", device},
                                                         {"con.txt", device},
                                                         {"Nul.txt", device},
                                                         {"LPT1", device}};
    for (const auto& [title, reason] : refused) {
        SCOPED_TRACE(title);
        EXPECT_EQ(saveAs(QString::fromLatin1(title)), QStringList{reason});
    }
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")), track);
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/The Pyramids.txt")), pyramids);
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/Romans.txt")), romans);
    EXPECT_EQ(allFiles().size(), 3);
}

TEST_F(WorksheetTitleTest, CommasAndOuterBlanksSaveUnderTheirOwnNames) {
    EXPECT_EQ(saveAs(QStringLiteral(" Romans")), QStringList{saved});
    EXPECT_EQ(saveAs(QStringLiteral("Romans ")), QStringList{saved});
    EXPECT_EQ(saveAs(QStringLiteral("A, B, C")), QStringList{saved});
    EXPECT_EQ(saveAs(QStringLiteral("Salt & Pepper")), QStringList{saved});
    EXPECT_EQ(t.readFile(QStringLiteral("multiple/track.txt")),
              QByteArray(" 4 \r\n\" Romans\"\r\n\"Romans \"\r\n\"A, B, C\"\r\nSalt & Pepper\r\n"));
    EXPECT_EQ(allFiles().size(), 5);
}

TEST(WorksheetPathTest, KeepsEveryTitleInsideMultiple) {
    EXPECT_EQ(worksheetPath(QStringLiteral("Rome, Greece")),
              QStringLiteral("multiple/Rome, Greece.txt"));
    EXPECT_EQ(worksheetPath(QStringLiteral("..")), QStringLiteral("multiple/...txt"));
    for (const QString& bad : {QStringLiteral("a\tb"), QStringLiteral("a\nb"), QString(QChar(0x7f)),
                               QStringLiteral("a/b")})
        EXPECT_THROW(worksheetPath(bad), RuntimeError);
}

} // namespace
