#pragma once

#include "model/QuestionSet.h"

#include "platform/PrinterService.h"

namespace av {

// The header line of a paper worksheet: the product title and the publisher, far apart.
QString worksheetHeader();

// Prints a question set as one paper worksheet: the header, the topic and title large, then
// each question with its four choices two by two. A printer failure abandons the document
// and is thrown on; the caller tells the user.
void printWorksheet(PrinterService& printer, const QString& topic, const QString& title,
                    const QuestionSet& set);

} // namespace av
