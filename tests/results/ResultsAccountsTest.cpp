// A school's shared results folder with real accounts: pupils add results but cannot read or
// export one another's; the teachers' group reads them all.
#include "BuildFolders.h"
#include "model/ResultsFolder.h"

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
const QString Recorder = built::program(u"result_recorder");
const QString WindowTests = built::program(u"results_tests");

struct Outcome {
    int code = -1;
    QByteArray err;
    QByteArray out;
};

Outcome run(const QStringList& command) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    p.setProcessEnvironment(env);
    p.start(command[0], command.mid(1));
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardError(), p.readAllStandardOutput()};
}

// Local accounts and a teachers' group made for the test, removed after it.
class School {
  public:
    School() : m_tag(QString::number(::getpid())) {
        if (!ok({QStringLiteral("groupadd"), teachers()})) return;
        for (const QString& name : {pupil(1), pupil(2), teacher()})
            if (!ok({QStringLiteral("useradd"), QStringLiteral("-M"), QStringLiteral("-U"),
                     QStringLiteral("-s"), QStringLiteral("/usr/sbin/nologin"), name}))
                return;
        m_ready = ok({QStringLiteral("usermod"), QStringLiteral("-a"), QStringLiteral("-G"),
                      teachers(), teacher()});
    }
    ~School() {
        for (const QString& name : {pupil(1), pupil(2), teacher()})
            ok({QStringLiteral("userdel"), name});
        ok({QStringLiteral("groupdel"), teachers()});
    }
    bool ready() const { return m_ready; }
    QString pupil(int n) const { return QStringLiteral("avpupil%1x%2").arg(n).arg(m_tag); }
    QString teacher() const { return QStringLiteral("avteacher") + m_tag; }
    QString teachers() const { return QStringLiteral("avteachers") + m_tag; }
    gid_t teachersGroup() const { return ::getgrnam(teachers().toLatin1().constData())->gr_gid; }
    uid_t uid(const QString& name) const { return ::getpwnam(name.toLatin1().constData())->pw_uid; }

    // The command as the account, with its own group and, for a teacher, the teachers' group.
    QStringList as(const QString& name, const QStringList& command) const {
        const passwd* pw = ::getpwnam(name.toLatin1().constData());
        QString groups = QString::number(pw->pw_gid);
        if (name == teacher()) groups += u',' + QString::number(teachersGroup());
        return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(pw->pw_uid),
                           QStringLiteral("--regid=%1").arg(pw->pw_gid),
                           QStringLiteral("--groups=") + groups, QStringLiteral("--")} +
               command;
    }

  private:
    static bool ok(const QStringList& command) { return run(command).code == 0; }
    QString m_tag;
    bool m_ready = false;
};

TEST(ResultsAccountsTest, PupilsAddResultsButOnlyTheTeachersGroupReadsThem) {
    if (::geteuid() != 0) GTEST_SKIP() << "making pupils' and teachers' accounts needs root";
    School school;
    if (!school.ready()) GTEST_SKIP() << "useradd/groupadd could not make the accounts";

    QTemporaryDir base;
    ASSERT_TRUE(::chmod(QFile::encodeName(base.path()).constData(), 0755) == 0);
    const QString worksheets = base.filePath(QStringLiteral("worksheets"));
    const QString out = base.filePath(QStringLiteral("out"));
    ASSERT_TRUE(QDir().mkpath(worksheets + QStringLiteral("/results")) && QDir().mkpath(out));
    ::chmod(QFile::encodeName(out).constData(), 01777);
    ::chmod(QFile::encodeName(worksheets).constData(), 0755);
    // As the README sets it up: owned by the teacher who manages results, the teachers'
    // group, set-group-ID and sticky, writable and searchable but not readable by others.
    const QByteArray results = QFile::encodeName(worksheets + QStringLiteral("/results"));
    ASSERT_EQ(::chown(results.constData(), school.uid(school.teacher()), school.teachersGroup()),
              0);
    ASSERT_EQ(::chmod(results.constData(), 03773), 0);

    for (int n : {1, 2}) {
        const Outcome recorded =
            run(school.as(school.pupil(n), {Recorder, worksheets, QStringLiteral("pc%1").arg(n),
                                            QStringLiteral("3")}));
        ASSERT_EQ(recorded.code, 0) << recorded.err.constData();
    }
    const QString first =
        QDir(QString::fromLocal8Bit(results))
            .filePath(ResultsFolder::fileName(QStringLiteral("pc1"), QStringLiteral("pupil"),
                                              QDate(2026, 12, 8)));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(first).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_gid, school.teachersGroup()) << "the folder's group, by set-group-ID";

    // The other pupil can neither read that file, nor list the folder, nor export.
    const QString second = school.pupil(2);
    EXPECT_NE(run(school.as(second, {QStringLiteral("cat"), first})).code, 0);
    EXPECT_NE(run(school.as(second, {QStringLiteral("ls"), QString::fromLocal8Bit(results)})).code,
              0);
    const QString pupilExport = out + QStringLiteral("/pupil.csv");
    const Outcome refused =
        run(school.as(second, {Program, QStringLiteral("--worksheets"), worksheets,
                               QStringLiteral("--export-results"), pupilExport}));
    EXPECT_NE(refused.code, 0);
    EXPECT_TRUE(refused.err.contains("may not be read")) << refused.err.constData();
    EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.constData();
    EXPECT_FALSE(QFile::exists(pupilExport));

    // The teacher's window, opened by a pupil's account, says who may see results.
    const QString onlyTeachers = QStringLiteral(
        "--gtest_filter=ResultsWindowTest.AnAccountThatMayNotReadTheResultsIsToldOnlyTeachersMay");
    const Outcome window = run(school.as(second, {WindowTests, onlyTeachers}));
    EXPECT_EQ(window.code, 0) << window.out.constData();
    EXPECT_TRUE(window.out.contains("[       OK ]")) << window.out.constData();

    // The teacher reads every pupil's results.
    const QString teacherExport = out + QStringLiteral("/teacher.csv");
    const Outcome exported =
        run(school.as(school.teacher(), {Program, QStringLiteral("--worksheets"), worksheets,
                                         QStringLiteral("--export-results"), teacherExport}));
    ASSERT_EQ(exported.code, 0) << exported.err.constData();
    QFile csv(teacherExport);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray text = csv.readAll();
    EXPECT_EQ(text.count('\n'), 1 + 2 * 3);
    EXPECT_TRUE(text.contains(",pc1,") && text.contains(",pc2,"));
}

} // namespace
