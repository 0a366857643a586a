// The program itself exporting results, and the rule of who may read them, with real accounts.
#include "BuildFolders.h"
#include "model/ResultsFolder.h"
#include "program/CommandLine.h"
#include "program/ResultsSetting.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace av;

namespace {

const QString Program = built::programDir() + QStringLiteral("/ancient-velmora");

struct Finished {
    int code = -1;
    QByteArray out, err;
};

Finished run(const QString& program, const QStringList& arguments) {
    QProcess p;
    // No display: an export needs none.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    Finished r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return r;
    r = {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    return r;
}

PupilResult made(const QString& pupil, int minute) {
    PupilResult r;
    r.when = QDateTime(QDate(2026, 12, 8), QTime(11, minute));
    r.computer = QStringLiteral("hall-pc");
    r.account = QStringLiteral("class5");
    r.pupil = pupil;
    r.activity = QStringLiteral("Words and Numbers");
    r.score = 7;
    r.outOf = 10;
    r.wrong = {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("9")};
    return r;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ResultsProgramTest, ExportResultsWritesTheFoldersCsvWithoutADisplayAndEndsWithZero) {
    QTemporaryDir dir;
    const ResultsFolder folder(dir.path());
    ASSERT_TRUE(folder.record(made(QStringLiteral("Dana"), 5)));
    ASSERT_TRUE(folder.record(made(QStringLiteral("Eli"), 6)));
    const QString out = dir.filePath(QStringLiteral("export.csv"));
    const Finished r = run(Program, {QStringLiteral("--worksheets"), dir.path(),
                                     QStringLiteral("--export-results"), out});
    ASSERT_EQ(r.code, 0) << r.err.constData();
    EXPECT_EQ(contents(out),
              "When,Computer,Account,Pupil,Activity,Score,Out of,Wrong\r\n"
              "2026-12-08T11:06:00,hall-pc,class5,Eli,Words and Numbers,7,10,1; 4; 9\r\n"
              "2026-12-08T11:05:00,hall-pc,class5,Dana,Words and Numbers,7,10,1; 4; 9\r\n");

    const Finished bad = run(Program, {QStringLiteral("--worksheets"), dir.path(),
                                       QStringLiteral("--export-results"),
                                       dir.filePath(QStringLiteral("missing/export.csv"))});
    EXPECT_NE(bad.code, 0);
    EXPECT_TRUE(bad.err.startsWith("ancient-velmora: ")) << bad.err.constData();
    EXPECT_EQ(bad.err.count('\n'), 1) << "one line: " << bad.err.constData();
}

TEST(ResultsProgramTest, TheCommandLineWinsThenTheUsersFileThenTheSchools) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("xdg"));
    const auto write = [&](const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    QProcessEnvironment env;
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), dir.filePath(QStringLiteral("xdg")));
    const QString user = dir.filePath(QStringLiteral("settings.ini"));
    EXPECT_FALSE(chooseResults(std::nullopt, user, env).keep) << "off when nothing says";
    write(QStringLiteral("xdg/ancient-velmora.conf"),
          "[General]\nworksheets=/srv/school\nresults=on\n");
    EXPECT_TRUE(chooseResults(std::nullopt, user, env).keep);
    EXPECT_FALSE(chooseResults(false, user, env).keep);
    write(QStringLiteral("settings.ini"), "scale=2\nresults = Off ; not here\n");
    EXPECT_FALSE(chooseResults(std::nullopt, user, env).keep);
    EXPECT_TRUE(chooseResults(true, user, env).keep);
    write(QStringLiteral("settings.ini"), "results=maybe\n");
    const ResultsChoice unclear = chooseResults(std::nullopt, user, env);
    EXPECT_TRUE(unclear.keep) << "the school's word stands";
    ASSERT_EQ(unclear.warnings.size(), 1);
    EXPECT_TRUE(unclear.warnings[0].contains(QStringLiteral("results=maybe")));

    const QString name = QStringLiteral("ancient-velmora");
    EXPECT_EQ(parseCommandLine({name, QStringLiteral("--results"), QStringLiteral("on")}).results,
              true);
    EXPECT_EQ(parseCommandLine({name, QStringLiteral("--results=OFF")}).results, false);
    const CommandLine wrong =
        parseCommandLine({name, QStringLiteral("--results"), QStringLiteral("sometimes")});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.message.contains(QStringLiteral("--results needs on or off.")));
    EXPECT_EQ(parseCommandLine({name, QStringLiteral("--export-results=")}).exitCode, 2);
}

} // namespace
