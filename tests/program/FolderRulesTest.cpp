// Where the program reads and writes: portable beside the executable, installed under a
// prefix, a school's folder from the system setting or the command line, and which wins.
#include "program/FolderRules.h"

#include "TestApp.h"

#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/WorksheetFolderProblem.h"
#include "program/Program.h"
#include "worksheets/WorksheetWizard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;
using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
    file.write(text.toUtf8());
}

QString readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : u"<missing>"_s;
}

class FolderRulesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        env.insert(u"HOME"_s, home());
        env.insert(u"XDG_CONFIG_DIRS"_s, path(u"etc/xdg"_s));
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    QString home() const { return path(u"home"_s); }

    // An installed tree: bin/ancient-velmora and share/ancient-velmora/ with a shipped quiz.
    QString install() {
        QDir().mkpath(path(u"usr/bin"_s));
        QDir().mkpath(path(u"usr/share/ancient-velmora/wav"_s));
        writeFile(path(u"usr/share/ancient-velmora/multiple/The Pyramids.txt"_s), u"shipped\r\n"_s);
        return path(u"usr/bin"_s);
    }
    // A portable folder: the data tree beside the executable.
    QString portable() {
        QDir().mkpath(path(u"stick/wav"_s));
        writeFile(path(u"stick/multiple/track.txt"_s), u" 0 \r\n"_s);
        writeFile(path(u"stick/multiple/The Pyramids.txt"_s), u"portable\r\n"_s);
        return path(u"stick"_s);
    }
    void systemSetting(const QString& folder) {
        writeFile(path(u"etc/xdg/ancient-velmora.conf"_s),
                  u"# the school's share\n[General]\nworksheets = "_s + folder + u"\n"_s);
    }

    QTemporaryDir dir;
    QProcessEnvironment env;
};

TEST_F(FolderRulesTest, PortableReadsAndWritesBesideTheExecutable) {
    const QString stick = portable();
    systemSetting(path(u"school"_s)); // a copied folder ignores the machine's setting
    const FolderPlan plan = planFolders(stick, QString(), env);
    EXPECT_EQ(plan.data, stick);
    EXPECT_EQ(plan.worksheets, stick + u"/multiple"_s);
    EXPECT_TRUE(plan.readOnly.isEmpty());
    const ProgramFolder folder(plan);
    EXPECT_EQ(folder.resolveForWriting(u"multiple/track.txt"_s), stick + u"/multiple/track.txt"_s);
    EXPECT_EQ(folder.resolve(u"multiple\\The Pyramids.txt"_s),
              stick + u"/multiple/The Pyramids.txt"_s);
}

TEST_F(FolderRulesTest, InstalledReadsTheTreeAndWritesUnderTheUsersDataHome) {
    const QString bin = install();
    const FolderPlan plan = planFolders(bin, QString(), env);
    EXPECT_EQ(plan.data, path(u"usr/share/ancient-velmora"_s));
    EXPECT_EQ(plan.worksheets, home() + u"/.local/share/ancient-velmora/multiple"_s);
    env.insert(u"XDG_DATA_HOME"_s, path(u"data"_s));
    EXPECT_EQ(planFolders(bin, QString(), env).worksheets,
              path(u"data/ancient-velmora/multiple"_s));
    // A relative XDG_DATA_HOME is no valid setting and is passed over.
    env.insert(u"XDG_DATA_HOME"_s, u"relative/data"_s);
    EXPECT_EQ(planFolders(bin, QString(), env).worksheets,
              home() + u"/.local/share/ancient-velmora/multiple"_s);
}

TEST_F(FolderRulesTest, TheSystemSettingNamesTheSchoolsFolderAndTheCommandLineWins) {
    const QString bin = install();
    systemSetting(path(u"school"_s));
    EXPECT_EQ(planFolders(bin, QString(), env).worksheets, path(u"school"_s));
    EXPECT_EQ(planFolders(bin, path(u"mine"_s), env).worksheets, path(u"mine"_s));
    // A later folder of XDG_CONFIG_DIRS counts only when the earlier ones have no setting.
    writeFile(path(u"later/ancient-velmora.conf"_s), u"worksheets="_s + path(u"later-share"_s));
    env.insert(u"XDG_CONFIG_DIRS"_s, path(u"etc/xdg"_s) + u":"_s + path(u"later"_s));
    EXPECT_EQ(systemWorksheetFolder(env), path(u"school"_s));
    env.insert(u"XDG_CONFIG_DIRS"_s, path(u"nothing"_s) + u":"_s + path(u"later"_s));
    EXPECT_EQ(systemWorksheetFolder(env), path(u"later-share"_s));
}

// As an INI editor writes it: quoted, or relative to the folder of the file that names it.
TEST_F(FolderRulesTest, TheSettingNamesTheFolderItsFileMeans) {
    const QString bin = install();
    const QString conf = path(u"etc/xdg/ancient-velmora.conf"_s);
    writeFile(conf, u"[General]\nworksheets=\""_s + path(u"school/ws G"_s) + u"\"\n"_s);
    const FolderChoice quoted = chooseFolders(bin, QString(), env);
    EXPECT_EQ(quoted.plan.worksheets, path(u"school/ws G"_s));
    EXPECT_EQ(quoted.worksheetSource, conf);
    EXPECT_TRUE(quoted.warnings.isEmpty()) << qPrintable(quoted.warnings.join(u'\n'));
    writeFile(conf, u"worksheets=srv/school/ws\n"_s);
    EXPECT_EQ(planFolders(bin, QString(), env).worksheets, path(u"etc/xdg/srv/school/ws"_s));
}

TEST_F(FolderRulesTest, SettingsFilesThatCannotBeUsedArePassedOverAndSaySo) {
    const QString bin = install();
    // Far larger than a settings file, with a setting at its end.
    writeFile(path(u"large/ancient-velmora.conf"_s),
              u"; padding\n"_s.repeated(8000) + u"worksheets=/wrong\n"_s);
    writeFile(path(u"empty/ancient-velmora.conf"_s), u"worksheets=\n"_s);
    writeFile(path(u"school/ancient-velmora.conf"_s), u"worksheets=/srv/school\n"_s);
    env.insert(u"XDG_CONFIG_DIRS"_s,
               path(u"large"_s) + u":"_s + path(u"empty"_s) + u":"_s + path(u"school"_s));
    const FolderChoice choice = chooseFolders(bin, QString(), env);
    EXPECT_EQ(choice.plan.worksheets, u"/srv/school"_s);
    ASSERT_EQ(choice.warnings.size(), 2);
    EXPECT_TRUE(choice.warnings[0].contains(path(u"large/ancient-velmora.conf"_s)));
    EXPECT_TRUE(choice.warnings[0].contains(u"larger than a settings file"_s));
    EXPECT_TRUE(choice.warnings[1].contains(u"names no folder"_s));
}

// A school's folder that cannot be used stays the folder: the start says so on standard error,
// and a teacher's save says it in its message, rather than filing the work in the home folder
// where no colleague sees it.
TEST_F(FolderRulesTest, AFolderThatCannotBeUsedIsReportedNeverReplaced) {
    const QString bin = install();
    writeFile(path(u"school"_s), u"a file, not a folder"_s);
    systemSetting(path(u"school"_s));
    const FolderChoice choice = chooseFolders(bin, QString(), env);
    EXPECT_EQ(choice.plan.worksheets, path(u"school"_s));
    const ProgramFolder folder = programFolder(choice);
    const QString problem = worksheetFolderProblem(folder);
    EXPECT_EQ(problem, u"The worksheet folder \""_s + path(u"school"_s) + u"\" (named in "_s +
                           path(u"etc/xdg/ancient-velmora.conf"_s) +
                           u") cannot be used: it is not a folder."_s);

    test::TestApp t(folder);
    registerAllWindows(t.app());
    auto& wizard = t.windows().get<WorksheetWizard>();
    wizard.titleBox().setText(u"Romans"_s);
    for (int q = 0; q < WorksheetWizard::Questions; ++q) {
        wizard.questionBox(q).setText(u"Who?"_s);
        for (int c = 0; c < WorksheetWizard::Choices; ++c)
            wizard.choiceBox(q, c).setText(u"Them"_s);
        wizard.correctTick(q, 0).setChecked(true);
    }
    wizard.onLinkClicked(WorksheetWizard::WizardLink::SaveWorksheet);
    EXPECT_EQ(t.messages.texts(),
              QStringList{u"There was a problem saving your worksheet\n\n"_s + problem});
    EXPECT_FALSE(QFileInfo::exists(home() + u"/.local"_s));

    // A folder that is not there yet but can be made is fine; the first save makes it.
    systemSetting(path(u"new/school"_s));
    EXPECT_EQ(worksheetFolderProblem(programFolder(chooseFolders(bin, QString(), env))), QString());
    systemSetting(path(u"school/below"_s));
    EXPECT_TRUE(worksheetFolderProblem(programFolder(chooseFolders(bin, QString(), env)))
                    .endsWith(u"it does not exist and cannot be made."_s));
}

TEST_F(FolderRulesTest, TheCommandLineAlsoMovesAPortableCopysWorksheets) {
    const QString stick = portable();
    const ProgramFolder folder(planFolders(stick, path(u"share"_s), env));
    EXPECT_EQ(folder.worksheetFolder(), path(u"share"_s));
    // The topic quiz still comes from the data tree; the register from the chosen folder.
    EXPECT_EQ(readFile(folder.resolve(u"multiple\\The Pyramids.txt"_s)), u"portable\r\n"_s);
    EXPECT_EQ(folder.resolveForWriting(u"multiple/track.txt"_s), path(u"share/track.txt"_s));
}

TEST_F(FolderRulesTest, AWorksheetFolderOfItsOwnStartsWithAnEmptyRegisterWhenFirstWritten) {
    const ProgramFolder folder(planFolders(install(), QString(), env));
    const QString worksheets = home() + u"/.local/share/ancient-velmora/multiple"_s;
    EXPECT_EQ(folder.resolve(u"multiple/track.txt"_s), worksheets + u"/track.txt"_s);
    EXPECT_FALSE(QFileInfo::exists(worksheets)) << "reading alone creates nothing";
    EXPECT_EQ(folder.resolveForWriting(u"multiple/Romans.txt"_s), worksheets + u"/Romans.txt"_s);
    EXPECT_EQ(readFile(worksheets + u"/track.txt"_s), QString::fromLatin1(EmptyRegister));
    // A register already there is kept as it is.
    writeFile(worksheets + u"/track.txt"_s, u" 1 \r\nRomans\r\n"_s);
    folder.resolveForWriting(u"multiple/Greeks.txt"_s);
    EXPECT_EQ(readFile(worksheets + u"/track.txt"_s), u" 1 \r\nRomans\r\n"_s);
    EXPECT_EQ(QDir(worksheets).entryList(QDir::Files), QStringList{u"track.txt"_s});
}

TEST_F(FolderRulesTest, ShippedQuizzesAreReadFromTheTreeAndNeverWritten) {
    const ProgramFolder folder(planFolders(install(), QString(), env));
    const QString worksheets = home() + u"/.local/share/ancient-velmora/multiple"_s;
    // Even a file of that name in the worksheet folder does not stand in for the shipped one.
    writeFile(worksheets + u"/The Pyramids.txt"_s, u"planted\r\n"_s);
    EXPECT_EQ(readFile(folder.resolve(u"MULTIPLE\\the pyramids.txt"_s)), u"shipped\r\n"_s);
    EXPECT_THROW(folder.resolveForWriting(u"multiple/The Pyramids.txt"_s), RuntimeError);
    EXPECT_THROW(folder.resolveForWriting(u"multiple/the pyramids.TXT"_s), RuntimeError);
    // Nothing outside the worksheet folder may be written: the tree is read only.
    EXPECT_THROW(folder.resolveForWriting(u"wav/click.wav"_s), RuntimeError);
    EXPECT_THROW(folder.resolveForWriting(u"multiple/../wav/x.wav"_s), RuntimeError);
}

TEST_F(FolderRulesTest, AWorksheetFolderInsideTheInstalledTreeIsNeverWritten) {
    const QString bin = install();
    const QString inside = path(u"usr/share/ancient-velmora/multiple"_s);
    const ProgramFolder direct(planFolders(bin, inside, env));
    EXPECT_THROW(direct.resolveForWriting(u"multiple/Romans.txt"_s), RuntimeError);
    // Nor through a link that leads there.
    ASSERT_TRUE(QFile::link(path(u"usr/share/ancient-velmora"_s), path(u"link"_s)));
    const ProgramFolder linked(planFolders(bin, path(u"link/multiple"_s), env));
    EXPECT_THROW(linked.resolveForWriting(u"multiple/Romans.txt"_s), RuntimeError);
    EXPECT_EQ(QDir(inside).entryList(QDir::Files), QStringList{u"The Pyramids.txt"_s});
}

} // namespace
