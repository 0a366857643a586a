#include "program/CommandLine.h"

#include <gtest/gtest.h>

using namespace av;
using namespace Qt::StringLiterals;

namespace {

CommandLine parse(QStringList arguments) {
    arguments.prepend(u"/opt/school/bin/ancient-velmora"_s);
    return parseCommandLine(arguments);
}

TEST(CommandLine, NothingGivenStartsTheProgram) {
    const CommandLine line = parse({});
    EXPECT_FALSE(line.exitCode.has_value());
    EXPECT_TRUE(line.worksheets.isEmpty());
}

TEST(CommandLine, WorksheetsTakesAFolderInEitherSpelling) {
    EXPECT_EQ(parse({u"--worksheets"_s, u"/srv/school"_s}).worksheets, u"/srv/school"_s);
    const CommandLine joined = parse({u"--worksheets=/srv/school share"_s});
    EXPECT_FALSE(joined.exitCode.has_value());
    EXPECT_EQ(joined.worksheets, u"/srv/school share"_s);
}

TEST(CommandLine, HelpAndVersionEndWithSuccessAndSayWhatTheyShould) {
    const CommandLine help = parse({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.message.contains(u"--worksheets <folder>"_s)) << qPrintable(help.message);
    EXPECT_TRUE(help.message.contains(u"Usage: ancient-velmora"_s)) << qPrintable(help.message);
    const CommandLine version = parse({u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.message, u"ancient-velmora "_s + QStringLiteral(VELMORA_VERSION) + u"\n"_s);
}

TEST(CommandLine, MistakesEndWithCodeTwoAndAClearMessage) {
    for (const QStringList& wrong :
         {QStringList{u"--colour"_s}, QStringList{u"-x"_s}, QStringList{u"--worksheets"_s},
          QStringList{u"--worksheets="_s}, QStringList{u"somefile.txt"_s}}) {
        const CommandLine line = parse(wrong);
        EXPECT_EQ(line.exitCode, 2) << qPrintable(wrong.join(u' '));
        EXPECT_TRUE(line.message.startsWith(u"ancient-velmora: "_s)) << qPrintable(line.message);
        EXPECT_TRUE(line.message.contains(u"--help"_s));
    }
    EXPECT_TRUE(parse({u"--colour"_s}).message.contains(u"colour"_s));
}

} // namespace

TEST(CommandLine, ScaleTakesAFactorFromOneToThree) {
    EXPECT_EQ(parse({u"--scale"_s, u"2"_s}).scale, u"2"_s);
    EXPECT_FALSE(parse({u"--scale=1.5"_s}).exitCode);
    EXPECT_TRUE(parse({u"--help"_s}).message.contains(u"--scale <factor>"_s));
    for (const QString& bad : {u"0"_s, u"3.5"_s, u"big"_s}) {
        const CommandLine line = parse({u"--scale"_s, bad});
        EXPECT_EQ(line.exitCode, 2) << qPrintable(bad);
        EXPECT_TRUE(line.message.contains(u"--scale needs a number from 1 to 3."_s));
    }
}
