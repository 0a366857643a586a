#include "StagedFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace av {
namespace {

constexpr qsizetype BufferLimit = 64 * 1024;
constexpr int SuffixLength = 6;

QString randomSuffix() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < SuffixLength; ++i)
        suffix.append(QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]));
    return suffix;
}

// A file replacing a plain file takes its mode, so a worksheet shared with a group stays
// shared; any other is made as the user's umask allows.
bool keepMode(int fd, const QByteArray& target) {
    struct stat st {};
    if (::lstat(target.constData(), &st) != 0 || !S_ISREG(st.st_mode)) return true;
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

} // namespace

StagedFile::StagedFile(QString target) : m_target(std::move(target)) {}

StagedFile::~StagedFile() {
    cancel();
}

bool StagedFile::open() {
    cancel();
    const QByteArray target = QFile::encodeName(m_target);
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0 && S_ISDIR(st.st_mode)) return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString staged = m_target + QLatin1Char('.') + randomSuffix();
        // O_EXCL with O_NOFOLLOW: a name someone else has put there, link or file, is never
        // opened; another name is tried.
        const int fd = ::open(QFile::encodeName(staged).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        if (!keepMode(fd, target)) {
            ::close(fd);
            ::unlink(QFile::encodeName(staged).constData());
            return false;
        }
        m_fd = fd;
        m_staged = staged;
        return true;
    }
    return false;
}

bool StagedFile::writeOut(const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(size));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= n;
    }
    return true;
}

bool StagedFile::write(const QByteArray& bytes) {
    if (!isOpen()) return false;
    m_buffer.append(bytes);
    return m_buffer.size() < BufferLimit || flush();
}

bool StagedFile::flush() {
    if (!isOpen()) return false;
    const bool ok = writeOut(m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
    return ok;
}

bool StagedFile::commit() {
    if (!isOpen()) return false;
    bool ok = flush() && ::fsync(m_fd) == 0;
    ok = ::close(m_fd) == 0 && ok;
    m_fd = -1;
    // rename() replaces whatever stands at the target, a link included, without following it.
    ok = ok && ::rename(QFile::encodeName(m_staged).constData(),
                        QFile::encodeName(m_target).constData()) == 0;
    if (!ok) ::unlink(QFile::encodeName(m_staged).constData());
    m_staged.clear();
    return ok;
}

void StagedFile::cancel() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        ::unlink(QFile::encodeName(m_staged).constData());
    }
    m_staged.clear();
    m_buffer.clear();
}

bool isStagedName(const QString& fileName) {
    static const QRegularExpression staged(QStringLiteral("^.+\\.txt\\.[A-Za-z0-9]{6}$"));
    return staged.match(fileName).hasMatch();
}

int removeAbandonedStagedFiles(const QString& folder, std::chrono::seconds age) {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-age.count());
    int removed = 0;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& info : entries) {
        if (!isStagedName(info.fileName()) || info.lastModified().toUTC() >= before) continue;
        if (::unlink(QFile::encodeName(info.filePath()).constData()) == 0) ++removed;
    }
    return removed;
}

} // namespace av
