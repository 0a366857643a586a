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

QByteArray field(const QString& text) {
    QByteArray bytes = oneLine(text).toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"')) return bytes;
    bytes.replace("\"", "\"\"");
    return '"' + bytes + '"';
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
    const QStringList texts{r.when.toString(Qt::ISODate),
                            r.computer,
                            r.account,
                            r.pupil,
                            r.activity,
                            QString::number(r.score),
                            QString::number(r.outOf),
                            r.wrong.join(WrongSeparator)};
    QByteArrayList fields;
    for (const QString& text : texts)
        fields << field(text);
    return fields.join(',') + "\r\n";
}

std::optional<QStringList> fields(const QByteArray& line) {
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
    r.when = QDateTime::fromString(parts->at(0), Qt::ISODate);
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
    for (const PupilResult& result : results)
        csv += line(result);
    return csv;
}

} // namespace av::resultsCsv
