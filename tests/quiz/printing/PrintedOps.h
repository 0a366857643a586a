#pragma once

#include "RecordingPrinter.h"

#include "model/QuestionSet.h"

#include <QColor>
#include <QString>
#include <vector>

namespace av::test {

// A text as it should land on the page.
struct Placed {
    QString text;
    float x = 0;
    float y = 0;
    double size = 0;
    QColor colour;
    bool lineEnd = true;
};

// A straight figure drawn as four lines: top, left, right, bottom.
struct Box {
    float left, top, right, bottom;
};

std::vector<PrintOp> opsOf(const std::vector<PrintOp>& document, PrintOp::Kind kind);
// Compares a document's texts one by one, position, size and colour included.
void expectTexts(const std::vector<PrintOp>& document, const std::vector<Placed>& expected,
                 const QString& fontName);
// Compares a document's lines with the boxes they should draw, in order.
void expectBoxes(const std::vector<PrintOp>& document, const std::vector<Box>& expected);
// Ten questions titled after the set ("Rivers question 3"), choices "first" to "fourth", the
// second one correct.
QuestionSet questionSet(const QString& title);

// Whole documents compared operation by operation, as they would come out on paper.
bool sameDocument(const std::vector<PrintOp>& a, const std::vector<PrintOp>& b);

} // namespace av::test
