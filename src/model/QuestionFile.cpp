#include "QuestionFile.h"

#include "platform/SequentialFile.h"

namespace av {

QString escapeCommas(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char(','), QLatin1Char('&'));
    return out;
}

QString unescapeCommas(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1Char(','));
    return out;
}

void readQuestionSet(SequentialFile& file, QuestionSet& set) {
    set.title = unescapeCommas(file.readPlainField());
    file.readPlainField();
    for (int n = 1; n <= QuestionSet::Size; ++n) {
        Question& q = set.question(n);
        q.text = unescapeCommas(file.readPlainField());
        for (QString& choice : q.choices)
            choice = unescapeCommas(file.readPlainField());
        q.correct = file.readPlainField().trimmed();
        file.readPlainField();
    }
}

QStringList questionFileLines(const QuestionSet& set) {
    const QString space = QStringLiteral(" ");
    QStringList lines{escapeCommas(set.title), space};
    for (int n = 1; n <= QuestionSet::Size; ++n) {
        const Question& q = set.question(n);
        lines.append(escapeCommas(q.text));
        for (const QString& choice : q.choices)
            lines.append(escapeCommas(choice));
        lines.append(q.correct);
        lines.append(space);
    }
    return lines;
}

void writeQuestionFile(SequentialFile& file, const QuestionSet& set) {
    for (const QString& line : questionFileLines(set))
        file.writeLine(line);
}

} // namespace av
