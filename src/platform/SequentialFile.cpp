#include "SequentialFile.h"

#include "Cp1252.h"
#include "NumberText.h"
#include "ProgramFolder.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace av {

long long fieldToInteger(const QString& field) {
    bool ok = false;
    const long long n = field.trimmed().toLongLong(&ok);
    if (!ok) throw RuntimeError(RuntimeError::TypeMismatch, field);
    return n;
}

namespace {

// A modern editor saves in UTF-8 and may put a byte-order mark in front; files this program
// writes are Windows-1252, which as UTF-8 is almost never valid once it holds accents.
QString decodeText(const QByteArray& bytes) {
    static const QByteArray mark("\xEF\xBB\xBF");
    const bool marked = bytes.startsWith(mark);
    const QByteArray body = marked ? bytes.mid(mark.size()) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!utf8.hasError()) return text;
    return cp1252::decode(body);
}

} // namespace

SequentialFile::SequentialFile(const ProgramFolder& folder) : m_folder(folder) {}

bool SequentialFile::exists(const QString& path) const {
    return QFileInfo::exists(m_folder.resolve(path));
}

SequentialFile::~SequentialFile() {
    abandon();
}

void SequentialFile::openInput(const QString& path) {
    if (isOpen()) throw RuntimeError(RuntimeError::FileAlreadyOpen, path);
    const QString full = m_folder.resolve(path);
    QFile file(full);
    if (!QFileInfo(full).isFile() || !file.open(QIODevice::ReadOnly))
        throw RuntimeError(RuntimeError::FileNotFound, path);
    m_text = decodeText(file.readAll());
    m_pos = 0;
    m_path = path;
    m_mode = Mode::Input;
}

void SequentialFile::openOutput(const QString& path) {
    if (isOpen()) throw RuntimeError(RuntimeError::FileAlreadyOpen, path);
    const QString full = m_folder.resolveForWriting(path);
    auto out = std::make_unique<QSaveFile>(full);
    if (QFileInfo(full).isDir() || !out->open(QIODevice::WriteOnly))
        throw RuntimeError(RuntimeError::PathAccess, path);
    m_out = std::move(out);
    m_path = path;
    m_mode = Mode::Output;
}

bool SequentialFile::atEnd() const {
    return m_mode != Mode::Input || m_pos >= m_text.size();
}

static bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

void SequentialFile::skipLineEnd() {
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\r')) ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char('\n')) ++m_pos;
}

QString SequentialFile::readField() {
    if (m_mode != Mode::Input) throw RuntimeError(RuntimeError::BadFileName, m_path);
    if (m_pos >= m_text.size()) throw RuntimeError(RuntimeError::InputPastEnd, m_path);
    const qsizetype n = m_text.size();
    while (m_pos < n && (m_text[m_pos] == QLatin1Char(' ') || m_text[m_pos] == QLatin1Char('\t')))
        ++m_pos;
    QString field;
    if (m_pos < n && m_text[m_pos] == QLatin1Char('"')) {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        const qsizetype end = close < 0 ? n : close;
        field = m_text.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? n : close + 1;
        // Anything between the closing quote and the delimiter is passed over.
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        field = m_text.mid(start, m_pos - start);
    }
    if (m_pos < n && m_text[m_pos] == QLatin1Char(','))
        ++m_pos;
    else
        skipLineEnd();
    return field;
}

void SequentialFile::writeLine(const QString& text) {
    if (m_mode != Mode::Output) throw RuntimeError(RuntimeError::BadFileName, m_path);
    QByteArray bytes = cp1252::encode(text);
    bytes.append("\r\n", 2);
    if (m_out->write(bytes) != bytes.size()) throw RuntimeError(RuntimeError::PathAccess, m_path);
}

void SequentialFile::flush() {
    if (m_mode != Mode::Output) throw RuntimeError(RuntimeError::BadFileName, m_path);
    if (!m_out->flush()) throw RuntimeError(RuntimeError::PathAccess, m_path);
}

void SequentialFile::close() {
    if (m_mode == Mode::Output) {
        // QSaveFile::commit() takes a failure of its own final flush for success and renames
        // a cut-off file over the old one, so the buffer is flushed and checked first.
        const bool ok = m_out->flush() && m_out->commit();
        if (!ok) m_out->cancelWriting();
        m_out.reset();
        m_mode = Mode::Closed;
        if (!ok) throw RuntimeError(RuntimeError::PathAccess, m_path);
        return;
    }
    m_mode = Mode::Closed;
    m_text.clear();
}

void SequentialFile::abandon() {
    if (m_out) m_out->cancelWriting();
    m_out.reset();
    m_mode = Mode::Closed;
    m_text.clear();
}

} // namespace av
