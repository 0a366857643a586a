#pragma once

#include "QuestionSet.h"

#include <QStringList>

namespace av {

class SequentialFile;

// A comma in a title, question or choice is stored as "&"; reading turns every "&" back into
// a comma, so an ampersand an author typed comes back as a comma.
QString escapeCommas(const QString& text);
QString unescapeCommas(const QString& text);

// Reads a question set from the file the caller has opened; checks nothing. Fields read before
// a failure keep their new values.
void readQuestionSet(SequentialFile& file, QuestionSet& set);

// The 72 lines of a question file: title, a space line, then per question the question, four
// choices, the correct-choice digit and a space line.
QStringList questionFileLines(const QuestionSet& set);
void writeQuestionFile(SequentialFile& file, const QuestionSet& set);

} // namespace av
