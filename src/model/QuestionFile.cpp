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
    set.title = unescapeCommas(file.readField());
    file.readField();
    for (int n = 1; n <= 10; ++n) {
        for (auto* field : {&set.question, &set.choice1, &set.choice2, &set.choice3, &set.choice4})
            (*field)[n] = unescapeCommas(file.readField());
        set.correct[n] = file.readField();
        file.readField();
    }
}

QStringList questionFileLines(const QuestionSet& set) {
    const QString space = QStringLiteral(" ");
    QStringList lines{escapeCommas(set.title), space};
    for (int n = 1; n <= 10; ++n) {
        for (const auto* field :
             {&set.question, &set.choice1, &set.choice2, &set.choice3, &set.choice4})
            lines.append(escapeCommas((*field)[n]));
        lines.append(set.correct[n]);
        lines.append(space);
    }
    return lines;
}

void writeQuestionFile(SequentialFile& file, const QuestionSet& set) {
    for (const QString& line : questionFileLines(set)) file.writeLine(line);
}

} // namespace av
