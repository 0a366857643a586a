#include "SettingsFile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace av {
namespace {

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

// The escape starting after the backslash at written[i]; i is left on its last character.
QChar escaped(const QString& written, qsizetype& i) {
    const QChar c = written.at(i);
    static const QString letters = QStringLiteral("abfnrtv");
    static const QString controls = QStringLiteral("\a\b\f\n\r\t\v");
    if (const qsizetype k = letters.indexOf(c); k >= 0) return controls.at(k);
    char32_t code = 0;
    if (c == u'x') {
        while (i + 1 < written.size() && hexDigit(written.at(i + 1)) >= 0)
            code = code * 16 + char32_t(hexDigit(written.at(++i)));
        return QChar(char16_t(code));
    }
    if (c >= u'0' && c <= u'7') {
        code = c.unicode() - u'0';
        while (i + 1 < written.size() && written.at(i + 1) >= u'0' && written.at(i + 1) <= u'7')
            code = code * 8 + (written.at(++i).unicode() - u'0');
        return QChar(char16_t(code));
    }
    return c; // \" \\ \; and any other: the character itself
}

// Reads at most MaxSize + 1 bytes of a regular file; opening never waits on a pipe.
std::optional<QByteArray> readSmallRegularFile(const QString& path, QString& problem) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            problem = QStringLiteral("cannot be read (%1)")
                          .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return std::nullopt;
    }
    struct stat info {};
    QByteArray bytes;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = QStringLiteral("is not a regular file");
    } else if (info.st_size > SettingsFile::MaxSize) {
        problem = QStringLiteral("is larger than a settings file can be");
    } else {
        bytes.resize(SettingsFile::MaxSize + 1);
        qsizetype got = 0;
        for (ssize_t n; got < bytes.size() &&
                        (n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got))) != 0;) {
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                problem = QStringLiteral("cannot be read (%1)")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
                break;
            }
            got += n;
        }
        // A file that grows while it is read is no settings file either.
        if (problem.isEmpty() && got > SettingsFile::MaxSize)
            problem = QStringLiteral("is larger than a settings file can be");
        bytes.truncate(got);
    }
    ::close(fd);
    if (!problem.isEmpty()) return std::nullopt;
    return bytes;
}

} // namespace

QString iniValue(const QString& written) {
    QString value;
    bool quoted = false;
    qsizetype kept = 0; // what was quoted or escaped keeps its blanks
    for (qsizetype i = 0; i < written.size(); ++i) {
        const QChar c = written.at(i);
        if (c == u'"') {
            quoted = !quoted;
        } else if (c == u'\\' && i + 1 < written.size()) {
            value += escaped(written, ++i);
        } else if (c == u';' && !quoted) {
            break;
        } else if (quoted || !c.isSpace() || !value.isEmpty()) {
            value += c;
            if (!quoted && c.isSpace()) continue;
        } else {
            continue; // blanks before the value are the writer's
        }
        kept = value.size();
    }
    // So are blanks after it, outside the quotes.
    value.truncate(kept);
    return value;
}

SettingsFile SettingsFile::fromText(const QByteArray& text, const QString& path) {
    SettingsFile file;
    file.m_path = path;
    bool general = true;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[')) {
            const QString section = line.mid(1, line.indexOf(u']') - 1).trimmed();
            general = section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || !general) continue;
        file.m_values.insert(line.left(eq).trimmed().toLower(), iniValue(line.mid(eq + 1)));
    }
    return file;
}

SettingsFile SettingsFile::read(const QString& path) {
    QString problem;
    const std::optional<QByteArray> text = readSmallRegularFile(path, problem);
    SettingsFile file = fromText(text.value_or(QByteArray()), path);
    if (!problem.isEmpty())
        file.m_problem = QStringLiteral("Ancient Velmora: the settings file %1 %2; it is passed "
                                        "over.")
                             .arg(path, problem);
    return file;
}

std::optional<QString> SettingsFile::value(const QString& key) const {
    const auto found = m_values.constFind(key.toLower());
    if (found == m_values.constEnd()) return std::nullopt;
    return *found;
}

} // namespace av
