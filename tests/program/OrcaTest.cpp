// The real program with a real screen reader: Orca from Debian on the private X display and
// accessibility bus that run-with-atspi.sh starts, driven by keys alone through the X server
// (xdotool), with what Orca says read from its debug log. Skips, saying why, where Orca or
// xdotool cannot run.
#include "BuildFolders.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <signal.h>

namespace {

const QString ProgramDir = built::programDir();

// One Orca for the test. Its debug output, where every utterance is logged, is written to a
// terminal (script(1) makes one) so that each line arrives as it is written, not when a file
// buffer fills.
class Orca {
  public:
    ~Orca() { stop(); }

    // Empty when Orca is up and has said so; else why not.
    QString start(const QString& folder) {
        const QString orca = QStandardPaths::findExecutable(QStringLiteral("orca"));
        if (orca.isEmpty()) return QStringLiteral("orca is not installed");
        if (QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty())
            return QStringLiteral("script(1) is not installed");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), folder);
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        const QString command =
            QStringLiteral("exec '%1' --debug-file /dev/stdout -u '%2/prefs'").arg(orca, folder);
        m_process.start(QStringLiteral("script"),
                        {QStringLiteral("-qfec"), command, QStringLiteral("/dev/null")});
        if (!m_process.waitForStarted(10000)) return QStringLiteral("orca did not start");
        if (!waitFor(QStringLiteral("Screen reader on"), 60000))
            return QStringLiteral("orca started but never said it was on: ") + lastWords() +
                   QStringLiteral(" (its last output: ") +
                   QString::fromUtf8(m_all.right(300)).trimmed() + QLatin1Char(')');
        return QString();
    }

    void stop() {
        if (m_process.state() == QProcess::NotRunning) return;
        const qint64 orca = orcaPid();
        if (orca > 0) ::kill(pid_t(orca), SIGTERM);
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        // Orca can outlive script(1) for a moment, and the next Orca of this account refuses to
        // start while it is there.
        QElapsedTimer clock;
        clock.start();
        while (orca > 0 && running(orca) && clock.elapsed() < 10000)
            QThread::msleep(50);
    }

    // Everything Orca has said, one utterance a line.
    const QStringList& said() {
        const QByteArray more = m_process.readAllStandardOutput();
        m_all += more;
        m_partial += more;
        static const QRegularExpression line(
            QStringLiteral("SPEECH OUTPUT: '(.*)'(\\{[^}]*\\})?\\s*$"));
        qsizetype end;
        while ((end = m_partial.indexOf('\n')) >= 0) {
            const QRegularExpressionMatch m = line.match(QString::fromUtf8(m_partial.left(end)));
            if (m.hasMatch()) m_said.append(m.captured(1));
            m_partial.remove(0, end + 1);
        }
        return m_said;
    }

    // From here on, only what is said after this counts.
    void mark() { m_from = said().size(); }
    QString sinceMark() { return said().mid(m_from).join(QLatin1Char('|')); }

    // Waits until the words have been said since the mark.
    bool waitFor(const QString& words, int ms = 15000) {
        return waitUntil([&] { return sinceMark().contains(words); }, ms);
    }
    // Waits until Orca has said nothing for a moment, having said something since the mark first
    // when asked to; at most ms.
    void waitForQuiet(bool afterSpeech, int ms) {
        qsizetype lines = -1;
        QElapsedTimer quiet;
        waitUntil(
            [&] {
                if (said().size() != lines) {
                    lines = said().size();
                    quiet.start();
                    return false;
                }
                return (!afterSpeech || lines > m_from) && quiet.elapsed() >= 600;
            },
            ms);
    }
    // Whether the last thing said since the mark holds the words.
    bool endedSaying(const QString& words) {
        return said().size() > m_from && said().last().contains(words);
    }

    // Orca's whole debug output, kept where the test ran when it fails.
    void keepLog(const QString& path) {
        said();
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(m_all);
    }

    template <class Done> bool waitUntil(Done done, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (done()) return true;
            if (m_process.state() == QProcess::NotRunning) return false;
            m_process.waitForReadyRead(100);
        }
        return done();
    }

    QString lastWords() { return said().mid(m_from).join(QStringLiteral(" | ")); }

  private:
    // Orca itself, the one child of script(1); 0 when there is none.
    qint64 orcaPid() const {
        QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(m_process.processId()));
        if (!children.open(QIODevice::ReadOnly)) return 0;
        return children.readAll().trimmed().split(' ').value(0).toLongLong();
    }
    // Until it is reaped, an ended Orca still counts for the next one's check.
    static bool running(qint64 pid) {
        return QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
    }

    QProcess m_process;
    QByteArray m_all;
    QByteArray m_partial;
    QStringList m_said;
    qsizetype m_from = 0;
};

// A key as the pupil presses it, through the X server to the window with the focus.
bool press(const QString& key) {
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), key}) == 0;
}

// The question texts of the shipped quiz: the question is the first of each seven lines
// after the title and a blank line.
QStringList questionsOf(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
    QStringList questions;
    for (qsizetype at = 2; at < lines.size(); at += 7)
        questions.append(QString(lines[at]).replace(QLatin1Char('&'), QLatin1Char(',')));
    return questions;
}

class OrcaTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            GTEST_SKIP() << "xdotool is not installed, so no keys can be sent";
        ASSERT_TRUE(folder.isValid());
        const QString why = orca.start(folder.path());
        if (!why.isEmpty()) GTEST_SKIP() << "Orca cannot run here: " << qPrintable(why);
    }
    void TearDown() override {
        if (HasFailure() || qEnvironmentVariableIsSet("VELMORA_KEEP_ORCA_LOG")) {
            const QString log = QDir::currentPath() + QStringLiteral("/orca-debug.log");
            orca.keepLog(log);
            std::cout << "Orca's debug output is in " << qPrintable(log) << std::endl;
        }
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
        orca.stop();
    }

    // Presses the key and waits to hear the words.
    void pressAndHear(const QString& key, const QString& words) {
        if (HasFatalFailure()) return;
        orca.mark();
        ASSERT_TRUE(press(key)) << "xdotool failed";
        ASSERT_TRUE(orca.waitFor(words))
            << "after " << qPrintable(key) << " expected \"" << qPrintable(words)
            << "\", heard: " << qPrintable(orca.lastWords());
    }

    // Tabs on until the words are heard, as a pupil listens for the command wanted.
    void tabUntil(const QString& words) {
        if (HasFatalFailure()) return;
        // What Orca says of a window's first focus can come late and would be taken for the
        // answer to the first Tab; and a key press is answered by one utterance or by several.
        // So each Tab waits for Orca to fall quiet, and only the last thing said tells where
        // the focus is.
        orca.waitForQuiet(false, 5000);
        for (int i = 0; i < 30; ++i) {
            orca.mark();
            ASSERT_TRUE(press(QStringLiteral("Tab")));
            orca.waitForQuiet(true, 5000);
            if (orca.endedSaying(words)) return;
        }
        FAIL() << "Tab never reached \"" << qPrintable(words) << "\"";
    }

    QTemporaryDir folder;
    Orca orca;
    QProcess program;
};

TEST_F(OrcaTest, APupilHearsEveryScreenQuestionPageAndMove) {
    const QStringList questions =
        questionsOf(ProgramDir + QStringLiteral("/multiple/The Pyramids.txt"));
    ASSERT_GE(questions.size(), 2);
    orca.mark();
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(ProgramDir + QStringLiteral("/ancient-velmora"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    // The title screen is named for its title.
    ASSERT_TRUE(orca.waitFor(QStringLiteral("Ancient Velmora"), 30000))
        << qPrintable(orca.lastWords());
    // Enter is "OK": the main menu, named for its heading, with the focus on its first control.
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Ancient Velmora"));
    ASSERT_TRUE(orca.waitFor(QStringLiteral("Sound On"))) << qPrintable(orca.lastWords());
    tabUntil(QStringLiteral("The Pyramids"));
    orca.mark();
    ASSERT_TRUE(press(QStringLiteral("space")));
    // The topic screen says where the pupil is before its first command.
    ASSERT_TRUE(orca.waitFor(QStringLiteral("The Pyramids"))) << qPrintable(orca.lastWords());

    tabUntil(QStringLiteral("Multiple Choice"));
    // Each question is read as it appears, then the answer that has the focus; the hidden "no
    // answer yet" button is never heard.
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Question 1. ") + questions[0]);
    EXPECT_TRUE(orca.waitFor(QStringLiteral("radio button"))) << qPrintable(orca.lastWords());
    QString heard = orca.sinceMark();
    tabUntil(QStringLiteral("Next Question"));
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Question 2. ") + questions[1]);
    EXPECT_TRUE(orca.waitFor(QStringLiteral("radio button"))) << qPrintable(orca.lastWords());
    heard += orca.sinceMark();
    EXPECT_FALSE(heard.contains(QStringLiteral("No answer"))) << qPrintable(heard);

    // Leaving the quiz hands the focus back to the topic screen, which says so.
    pressAndHear(QStringLiteral("Escape"), QStringLiteral("The Pyramids"));
    tabUntil(QStringLiteral("Key Facts"));
    // A page opens with its own title, read from the page itself.
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Why build a pyramid?"));
    // Turning the page says the new page's title.
    tabUntil(QStringLiteral("Next Page"));
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Finding the stone"));
    pressAndHear(QStringLiteral("Escape"), QStringLiteral("The Pyramids"));
    pressAndHear(QStringLiteral("Escape"), QStringLiteral("Ancient Velmora"));

    tabUntil(QStringLiteral("Words and Numbers"));
    pressAndHear(QStringLiteral("space"), QStringLiteral("Words and Numbers"));
    tabUntil(QStringLiteral("Labelling Activity"));
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Words and Numbers. The ancient"));
    // A label picked up, carried over a box and put down, each move said.
    tabUntil(QStringLiteral("26"));
    pressAndHear(QStringLiteral("Return"), QStringLiteral("Picked up 26"));
    tabUntil(QStringLiteral("Box 3"));
    pressAndHear(QStringLiteral("space"), QStringLiteral("26 placed in Box"));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
