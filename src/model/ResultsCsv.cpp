#include "ResultsCsv.h"

namespace av::resultsCsv {

namespace {

constexpr int FieldCount = 8;
const QString WrongSeparator = QStringLiteral("; ");

// Every result is one physical line, so a file cut short loses at most its last line.
QString oneLine(QString text) {
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n') c = u' ';
    return text;
}

void appendField(QByteArray& out, const QString& text) {
    const QByteArray bytes = oneLine(text).toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"')) {
        out += bytes;
        return;
    }
    out += '"';
    for (const char c : bytes) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// Written straight into the file's bytes: an export is a year's results at once.
void appendLine(QByteArray& out, const PupilResult& r) {
    // Local time as the pupil's computer showed it, with no offset, whatever the QDateTime's
    // own kind.
    out += r.when.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1();
    for (const QString* text : {&r.computer, &r.account, &r.pupil, &r.activity}) {
        out += ',';
        appendField(out, *text);
    }
    out += ',' + QByteArray::number(r.score) + ',' + QByteArray::number(r.outOf) + ',';
    appendField(out, r.wrong.join(WrongSeparator));
    out += "\r\n";
}

std::optional<int> count(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0) return std::nullopt;
    return value;
}

} // namespace

QByteArray header() {
    return "When,Computer,Account,Pupil,Activity,Score,Out of,Wrong";
}

QByteArray line(const PupilResult& r) {
    QByteArray out;
    appendLine(out, r);
    return out;
}

// The local date and time as a QDateTime. Qt asks the C library about the time zone, which
// reads the zone file again, for every local QDateTime it makes; a school's year of results
// would spend most of its reading there. A day's offset from UTC is found once, for a day's
// lines, and each result carries it; a day on which summer time starts or ends is read the
// slow way.
QDateTime localDateTime(QDate date, QTime time) {
    static thread_local QDate day;
    static thread_local std::optional<int> dayOffset;
    if (date != day) {
        const int start = QDateTime(date, QTime(0, 0)).offsetFromUtc();
        const int end = QDateTime(date, QTime(23, 59, 59)).offsetFromUtc();
        dayOffset = start == end ? std::optional<int>(start) : std::nullopt;
        day = date;
    }
    if (!dayOffset) return QDateTime(date, time);
    return QDateTime(date, time, Qt::OffsetFromUTC, *dayOffset);
}

// "2026-12-08T10:15:03" as written above, read without Qt's general date parser, which
// costs more than the rest of a line together; anything else goes to that parser.
QDateTime when(const QString& text) {
    const auto digits = [&](qsizetype from, qsizetype n) {
        int value = 0;
        for (qsizetype i = from; i < from + n; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9') return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 19 && text[4] == u'-' && text[7] == u'-' && text[10] == u'T' &&
        text[13] == u':' && text[16] == u':') {
        const QDate date(digits(0, 4), digits(5, 2), digits(8, 2));
        const QTime time(digits(11, 2), digits(14, 2), digits(17, 2));
        if (date.isValid() && time.isValid()) return localDateTime(date, time);
    }
    return QDateTime::fromString(text, Qt::ISODate);
}

std::optional<QStringList> fields(const QByteArray& line) {
    // Most lines quote nothing.
    if (!line.contains('"')) {
        QStringList result;
        qsizetype from = 0;
        for (qsizetype comma; (comma = line.indexOf(',', from)) >= 0; from = comma + 1)
            result << QString::fromUtf8(line.constData() + from, comma - from);
        result << QString::fromUtf8(line.constData() + from, line.size() - from);
        return result;
    }
    QStringList result;
    QByteArray current;
    bool quoted = false;
    bool wasQuoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                current += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                current += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == ',') {
            result << QString::fromUtf8(current);
            current.clear();
            wasQuoted = false;
        } else if (c == '"') {
            // A quote opens a field only at its start; text after a closing quote is damage.
            if (!current.isEmpty() || wasQuoted) return std::nullopt;
            quoted = wasQuoted = true;
        } else {
            if (wasQuoted) return std::nullopt;
            current += c;
        }
    }
    if (quoted) return std::nullopt;
    result << QString::fromUtf8(current);
    return result;
}

std::optional<PupilResult> parse(const QByteArray& text) {
    const auto parts = fields(text);
    if (!parts || parts->size() != FieldCount) return std::nullopt;
    PupilResult r;
    r.when = when(parts->at(0));
    const auto score = count(parts->at(5));
    const auto outOf = count(parts->at(6));
    if (!r.when.isValid() || !score || !outOf || *score > *outOf) return std::nullopt;
    r.computer = parts->at(1);
    r.account = parts->at(2);
    r.pupil = parts->at(3);
    r.activity = parts->at(4);
    r.score = *score;
    r.outOf = *outOf;
    if (!parts->at(7).isEmpty()) r.wrong = parts->at(7).split(WrongSeparator);
    return r;
}

QByteArray document(const QList<PupilResult>& results) {
    QByteArray csv = header() + "\r\n";
    csv.reserve(csv.size() + results.size() * 120);
    for (const PupilResult& result : results)
        appendLine(csv, result);
    return csv;
}

} // namespace av::resultsCsv
