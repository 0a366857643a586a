// Settings files as INI editors write them, and files at a settings file's place that are none.
#include "program/SettingsFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace av;
using namespace Qt::StringLiterals;
using ::testing::HasSubstr;

namespace {

QString writeSettings(const QTemporaryDir& dir, const QByteArray& text) {
    const QString path = dir.filePath(u"settings.ini"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        ADD_FAILURE() << "cannot write " << qPrintable(path);
    return path;
}

// QSettings is what the INI form means to Qt's users: every value reads as it reads it.
TEST(SettingsFile, ValuesReadAsQSettingsReadsThem) {
    QTemporaryDir dir;
    const QList<QByteArray> written = {
        R"("/srv/school/ws G")",
        R"( /srv/school/ws ; the school's share)",
        R"("/srv/a;b  c" ; note)",
        R"("tab\there \"quoted\"")",
        R"(  "  padded  "  )",
        R"(two  words)",
        R"("caf\xe9")",
        R"(/srv/back\\slash)",
        R"()",
        R"("")",
    };
    for (const QByteArray& value : written) {
        const QString path =
            writeSettings(dir, "; set by the school\n[General]\nworksheets=" + value + "\r\n");
        const QString expected =
            QSettings(path, QSettings::IniFormat).value(u"worksheets"_s).toString();
        EXPECT_EQ(SettingsFile::read(path).value(u"worksheets"_s), expected) << value.constData();
    }
    const QString quoted = writeSettings(dir, "worksheets=\"/srv/school/ws G\"\n");
    EXPECT_EQ(SettingsFile::read(quoted).value(u"worksheets"_s), u"/srv/school/ws G"_s);
    // Only the top level and [General] are the program's; a later line wins, as in QSettings.
    const SettingsFile sections = SettingsFile::fromText(
        "scale=1.5\n[Display]\nscale=3\nworksheets=/elsewhere\n[general]\nScale = 2\n");
    EXPECT_EQ(sections.value(u"scale"_s), u"2"_s);
    EXPECT_EQ(sections.value(u"worksheets"_s), std::nullopt);
}

// A named pipe would hold a start up for as long as nobody writes into it, a link to /dev/zero
// would be read until memory runs out; neither is waited on or read.
TEST(SettingsFile, FilesThatAreNoSettingsFilesArePassedOverAtOnce) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(u"pipe.ini"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    // Frees a reader caught in the pipe, late enough to show that it was caught.
    std::atomic<bool> done = false;
    std::thread writer([&] {
        for (int waited = 0; !done && waited < 2000; waited += 20)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        while (!done) {
            const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    QElapsedTimer clock;
    clock.start();
    const SettingsFile fromPipe = SettingsFile::read(pipe);
    EXPECT_LT(clock.elapsed(), 1000);
    done = true;
    writer.join();
    EXPECT_THAT(fromPipe.problem().toStdString(), HasSubstr("is not a regular file"));
    EXPECT_THAT(fromPipe.problem().toStdString(), HasSubstr(pipe.toStdString()));

    const QString zero = dir.filePath(u"zero.ini"_s);
    ASSERT_TRUE(QFile::link(u"/dev/zero"_s, zero));
    EXPECT_THAT(SettingsFile::read(zero).problem().toStdString(),
                HasSubstr("is not a regular file"));
    EXPECT_THAT(SettingsFile::read(dir.path()).problem().toStdString(),
                HasSubstr("is not a regular file"));

    // Larger than any settings file, even with a good setting at its end.
    const QString large =
        writeSettings(dir, QByteArray("; padding\n").repeated(7000) + "scale=2\n");
    const SettingsFile fromLarge = SettingsFile::read(large);
    EXPECT_THAT(fromLarge.problem().toStdString(), HasSubstr("larger than a settings file"));
    EXPECT_EQ(fromLarge.value(u"scale"_s), std::nullopt);

    // A file that is simply missing is no problem at all.
    const SettingsFile missing = SettingsFile::read(dir.filePath(u"none.ini"_s));
    EXPECT_TRUE(missing.problem().isEmpty());
    EXPECT_EQ(missing.value(u"scale"_s), std::nullopt);
}

} // namespace
