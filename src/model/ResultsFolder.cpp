#include "ResultsFolder.h"

#include "ResultsCsv.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace av {

namespace {

// A day's results of one pupil's account are a few kilobytes; anything far larger is not ours.
constexpr qint64 LargestFile = 8 * 1024 * 1024;

QString safePart(const QString& text) {
    QString part;
    for (const QChar c : text)
        part += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'.' ? c : u'_';
    return part.isEmpty() ? QStringLiteral("_") : part;
}

QString reason(const QString& what) {
    return what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
}

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// Whether the file ends inside a line that a crash cut short.
bool endsMidLine(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size == 0) return false;
    char last = '\n';
    return ::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n';
}

bool isResultsFile(const QByteArray& firstLine) {
    return firstLine.trimmed() == resultsCsv::header();
}

} // namespace

ResultsFolder::ResultsFolder(QString worksheetFolder)
    : m_path(QDir(worksheetFolder).filePath(QStringLiteral("results"))) {}

QString ResultsFolder::fileName(const QString& computer, const QString& account, QDate day) {
    return safePart(computer) + u' ' + safePart(account) + u' ' + day.toString(Qt::ISODate) +
           QStringLiteral(".csv");
}

bool ResultsFolder::record(const PupilResult& result, QString* error) const {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QByteArray folder = QFile::encodeName(m_path);
    if (::mkdir(folder.constData(), 0770) != 0 && errno != EEXIST) return fail(reason(m_path));
    const QString file =
        QDir(m_path).filePath(fileName(result.computer, result.account, result.when.date()));
    const QByteArray name = QFile::encodeName(file);
    // Never through a link: the file is this account's own, in the shared folder.
    int fd = ::open(name.constData(),
                    O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0640);
    const bool created = fd >= 0;
    // Read too: the last byte tells whether a crash cut the last line short.
    if (!created && errno == EEXIST)
        fd = ::open(name.constData(), O_RDWR | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return fail(reason(file));
    struct stat st {};
    QByteArray bytes;
    if (created) {
        // The account's umask may take the group's reading away; teachers read through it.
        ::fchmod(fd, 0640);
        bytes = resultsCsv::header() + "\r\n";
    } else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(file + QStringLiteral(": not a results file"));
    } else if (endsMidLine(fd)) {
        bytes = "\r\n";
    }
    bytes += resultsCsv::line(result);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const QString why = written ? QString() : reason(file);
    ::close(fd);
    return written ? true : fail(why);
}

ResultsFolder::Reading ResultsFolder::read() const {
    Reading reading;
    const QDir dir(m_path);
    if (!dir.exists()) return reading;
    if (::access(QFile::encodeName(m_path).constData(), R_OK | X_OK) != 0) {
        reading.readable = false;
        return reading;
    }
    const QStringList names = dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (file.size() > LargestFile || !file.open(QIODevice::ReadOnly)) {
            ++reading.skippedFiles;
            continue;
        }
        const QByteArray bytes = file.readAll();
        qsizetype end = bytes.indexOf('\n');
        if (!isResultsFile(end < 0 ? bytes : bytes.first(end))) {
            ++reading.skippedFiles;
            continue;
        }
        if (end < 0) end = bytes.size(); // a header a crash cut short: no results yet
        // Each line is read in place; what follows the last line break is a line a crash cut
        // short, or nothing.
        for (qsizetype from = end + 1; from < bytes.size(); from = end + 1) {
            end = bytes.indexOf('\n', from);
            if (end < 0) {
                ++reading.skippedLines;
                break;
            }
            qsizetype length = end - from;
            if (length > 0 && bytes[end - 1] == '\r') --length;
            if (length == 0) continue;
            if (const auto result =
                    resultsCsv::parse(QByteArray::fromRawData(bytes.constData() + from, length)))
                reading.results << *result;
            else
                ++reading.skippedLines;
        }
    }
    // Within one second, the line written last is the newer.
    std::reverse(reading.results.begin(), reading.results.end());
    std::stable_sort(reading.results.begin(), reading.results.end(),
                     [](const PupilResult& a, const PupilResult& b) {
                         // By the local date and time as written: comparing QDateTimes would
                         // look up the time zone twice for every comparison.
                         const QDate da = a.when.date(), db = b.when.date();
                         return da != db ? da > db : a.when.time() > b.when.time();
                     });
    return reading;
}

bool ResultsFolder::removeAll(QString* error) const {
    const QDir dir(m_path);
    QStringList kept;
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || !isResultsFile(file.readLine())) continue;
        file.close();
        if (!file.remove()) kept << name;
    }
    if (!kept.isEmpty() && error)
        *error = QStringLiteral("Could not remove: ") + kept.join(QStringLiteral(", "));
    return kept.isEmpty();
}

} // namespace av
