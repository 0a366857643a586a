#include "SequentialFile.h"

#include "Cp1252.h"
#include "NumberText.h"
#include "ProgramFolder.h"
#include "RuntimeError.h"
#include "StagedFile.h"

#include <QFile>
#include <QFileInfo>
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

void SequentialFile::openOutput(const QString& path, bool utf8) {
    if (isOpen()) throw RuntimeError(RuntimeError::FileAlreadyOpen, path);
    const QString full = m_folder.resolveForWriting(path);
    auto out = std::make_unique<StagedFile>(full);
    if (!out->open()) throw RuntimeError(RuntimeError::PathAccess, path);
    if (utf8 && !out->write(QByteArray("\xEF\xBB\xBF")))
        throw RuntimeError(RuntimeError::PathAccess, path);
    m_out = std::move(out);
    m_utf8 = utf8;
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

void SequentialFile::skipBlanks() {
    while (m_pos < m_text.size() &&
           (m_text[m_pos] == QLatin1Char(' ') || m_text[m_pos] == QLatin1Char('\t')))
        ++m_pos;
}

// Steps over the comma or the line end that ends a field.
void SequentialFile::endField() {
    if (m_pos < m_text.size() && m_text[m_pos] == QLatin1Char(','))
        ++m_pos;
    else
        skipLineEnd();
}

QString SequentialFile::readPlainField() {
    if (m_mode != Mode::Input) throw RuntimeError(RuntimeError::BadFileName, m_path);
    if (m_pos >= m_text.size()) throw RuntimeError(RuntimeError::InputPastEnd, m_path);
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
        ++m_pos;
    const QString field = m_text.mid(start, m_pos - start);
    endField();
    return field;
}

// A quote never reaches past its own line, so one left open cannot swallow the names after it.
QString SequentialFile::readQuoted() {
    const qsizetype open = m_pos;
    qsizetype lineEnd = open + 1;
    while (lineEnd < m_text.size() && !isLineEnd(m_text[lineEnd]))
        ++lineEnd;
    for (qsizetype q = open + 1; q < lineEnd; ++q) {
        if (m_text[q] != QLatin1Char('"')) continue;
        qsizetype after = q + 1;
        while (after < lineEnd &&
               (m_text[after] == QLatin1Char(' ') || m_text[after] == QLatin1Char('\t')))
            ++after;
        if (after == lineEnd || m_text[after] == QLatin1Char(',')) {
            m_pos = after;
            return m_text.mid(open + 1, q - open - 1);
        }
    }
    m_pos = lineEnd;
    return m_text.mid(open + 1, lineEnd - open - 1);
}

QString SequentialFile::readField() {
    if (m_mode != Mode::Input) throw RuntimeError(RuntimeError::BadFileName, m_path);
    if (m_pos >= m_text.size()) throw RuntimeError(RuntimeError::InputPastEnd, m_path);
    skipBlanks();
    if (m_pos >= m_text.size() || m_text[m_pos] != QLatin1Char('"')) {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != QLatin1Char(',') &&
               !isLineEnd(m_text[m_pos]))
            ++m_pos;
        const QString field = m_text.mid(start, m_pos - start);
        endField();
        return field;
    }
    const QString field = readQuoted();
    endField();
    return field;
}

void SequentialFile::writeLine(const QString& text) {
    if (m_mode != Mode::Output) throw RuntimeError(RuntimeError::BadFileName, m_path);
    for (QChar c : text)
        if (isLineEnd(c) || (!m_utf8 && !cp1252::canEncode(c)))
            throw RuntimeError(RuntimeError::BadFileName, m_path);
    QByteArray bytes = m_utf8 ? text.toUtf8() : cp1252::encode(text);
    bytes.append("\r\n", 2);
    if (!m_out->write(bytes)) throw RuntimeError(RuntimeError::PathAccess, m_path);
}

void SequentialFile::flush() {
    if (m_mode != Mode::Output) throw RuntimeError(RuntimeError::BadFileName, m_path);
    if (!m_out->flush()) throw RuntimeError(RuntimeError::PathAccess, m_path);
}

void SequentialFile::close() {
    if (m_mode == Mode::Output) {
        const bool ok = m_out->commit();
        m_out.reset();
        m_mode = Mode::Closed;
        if (!ok) throw RuntimeError(RuntimeError::PathAccess, m_path);
        return;
    }
    m_mode = Mode::Closed;
    m_text.clear();
}

void SequentialFile::abandon() {
    if (m_out) m_out->cancel();
    m_out.reset();
    m_mode = Mode::Closed;
    m_text.clear();
}

} // namespace av
