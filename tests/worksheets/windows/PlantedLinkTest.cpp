// Links planted in a shared worksheet folder, by the teacher's own account and, when the tests run
// as root, by a second real account in the folder's group: a save or a delete never writes
// through one, and nothing outside the folder changes.
#include "WorksheetFixture.h"

#include "model/PlantedLink.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace av;
using namespace av::test;

namespace {

const QByteArray Private(" 1 \r\nMy private notes\r\n");

// A local account and group made for the test and removed after it.
class OtherAccount {
  public:
    OtherAccount() : m_name(QStringLiteral("avlink%1").arg(::getpid())) {
        if (!run({QStringLiteral("groupadd"), m_name})) return;
        m_made = run({QStringLiteral("useradd"), QStringLiteral("-M"), QStringLiteral("-g"), m_name,
                      QStringLiteral("-s"), QStringLiteral("/usr/sbin/nologin"), m_name});
    }
    ~OtherAccount() {
        run({QStringLiteral("userdel"), m_name});
        run({QStringLiteral("groupdel"), m_name});
    }
    bool made() const { return m_made && ::getpwnam(m_name.toLatin1().constData()); }
    gid_t group() const { return ::getgrnam(m_name.toLatin1().constData())->gr_gid; }
    // Runs a command as this account.
    bool runAs(const QStringList& command) const {
        const passwd* pw = ::getpwnam(m_name.toLatin1().constData());
        return run(QStringList{QStringLiteral("setpriv"),
                               QStringLiteral("--reuid=%1").arg(pw->pw_uid),
                               QStringLiteral("--regid=%1").arg(pw->pw_gid),
                               QStringLiteral("--clear-groups"), QStringLiteral("--")} +
                   command);
    }

  private:
    static bool run(const QStringList& command) {
        QProcess p;
        p.start(command[0], command.mid(1));
        return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit &&
               p.exitCode() == 0;
    }
    QString m_name;
    bool m_made = false;
};

class PlantedLinkTest : public WorksheetFixture {
  protected:
    PlantedLinkTest() {
        QFile f(outside.filePath(QStringLiteral("private.txt")));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Private);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    QString inFolder(const QString& name) const {
        return t.folderPath() + QStringLiteral("/multiple/") + name;
    }
    QString privateFile() const { return outside.filePath(QStringLiteral("private.txt")); }
    QByteArray privateBytes() const {
        QFile f(privateFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Plants name -> the private file, as the teacher's own account or as another.
    bool plant(const QString& name, const OtherAccount* other = nullptr) {
        QFile::remove(inFolder(name));
        if (!other) return QFile::link(privateFile(), inFolder(name));
        return other->runAs(
            {QStringLiteral("ln"), QStringLiteral("-s"), privateFile(), inFolder(name)});
    }
    QString saveDinosaurs() {
        t.messages.shown.clear();
        fillWizard(QStringLiteral("Dinosaurs"));
        save();
        return t.messages.texts().join(QLatin1Char('|'));
    }
    // Every case of the scenario, the links planted by `other` or by the teacher.
    void runScenario(const OtherAccount* other);

    QTemporaryDir outside;
};

void PlantedLinkTest::runScenario(const OtherAccount* other) {
    // A question file's name: the save replaces the link with the worksheet itself.
    ASSERT_TRUE(plant(QStringLiteral("Dinosaurs.txt"), other));
    EXPECT_EQ(saveDinosaurs(), saved);
    EXPECT_EQ(privateBytes(), Private);
    EXPECT_FALSE(QFileInfo(inFolder(QStringLiteral("Dinosaurs.txt"))).isSymLink());
    EXPECT_EQ(lines(QStringLiteral("multiple/Dinosaurs.txt"))[0], QStringLiteral("Dinosaurs"));
    EXPECT_EQ(lines(QStringLiteral("multiple/track.txt")),
              (QStringList{QStringLiteral(" 1 "), QStringLiteral("Dinosaurs")}));

    // The lock or the register: the save is refused with a reason and nothing is written.
    for (const QString& name : {QStringLiteral("track.txt.lock"), QStringLiteral("track.txt")}) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray track = t.readFile(QStringLiteral("multiple/track.txt"));
        ASSERT_TRUE(plant(name, other));
        EXPECT_EQ(saveDinosaurs(), PlantedLink::message());
        EXPECT_EQ(privateBytes(), Private);
        EXPECT_TRUE(QFileInfo(inFolder(name)).isSymLink());
        catalogue().deleteMode().setChecked(true);
        t.messages.answers = {MessageBoxService::Answer::Ok};
        t.messages.shown.clear();
        if (!catalogue().entry(1).isHidden()) {
            catalogue().entry(1).click();
            EXPECT_EQ(t.messages.texts().last(), PlantedLink::message());
        }
        EXPECT_EQ(privateBytes(), Private);
        unload(WorksheetCatalogue::Name);
        QFile::remove(inFolder(name));
        if (name == QStringLiteral("track.txt"))
            t.writeFile(QStringLiteral("multiple/track.txt"), track);
    }
}

TEST_F(PlantedLinkTest, LinksOfTheTeachersOwnAreNeverWrittenThrough) {
    runScenario(nullptr);
}

TEST_F(PlantedLinkTest, LinksPlantedByAnotherAccountInTheFoldersGroupAreNeverWrittenThrough) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a second account needs root";
    OtherAccount other;
    if (!other.made()) GTEST_SKIP() << "groupadd/useradd could not make a second account";
    // A shared folder: the teacher's, writable by the other account through its group.
    const QString folder = t.folderPath() + QStringLiteral("/multiple");
    ASSERT_EQ(::chmod(QFile::encodeName(t.folderPath()).constData(), 0755), 0);
    ASSERT_EQ(::chown(QFile::encodeName(folder).constData(), 0, other.group()), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 02775), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(outside.path()).constData(), 0755), 0);
    runScenario(&other);
    QFileInfo planted(inFolder(QStringLiteral("Dinosaurs.txt")));
    EXPECT_EQ(planted.ownerId(), 0u) << "the teacher's worksheet, not the other account's link";
}

} // namespace
