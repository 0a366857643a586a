#include "WorksheetPrint.h"

#include "PrintText.h"

#include "platform/NumberText.h"
#include "shell/Printing.h"
#include "shell/Style.h"

namespace av {
namespace {

using namespace printtext;

void printHeading(PrinterService& p, float w, const QString& topic, const QString& title) {
    p.setFontSize(16);
    p.setFontName(style::serifFace());
    p.setCurrentX(w / 8);
    blankLine(p);
    p.setCurrentX(w / 16);
    p.print(worksheetHeader(), false);
    blankLine(p);
    blankLine(p);
    p.setFontSize(32);
    centre(p, w, topic);
    centre(p, w, title);
    blankLine(p);
}

// A question on its own line, then its choices two by two; nothing wraps, so a long choice
// runs under the one beside it.
void printQuestion(PrinterService& p, float w, int n, const Question& question) {
    p.setCurrentX(w / 16);
    p.print(QStringLiteral("Question") + numberText(n) + QStringLiteral("    ") + question.text,
            true);
    p.setCurrentX(w / 3);
    p.print(QStringLiteral("A. ") + question.choice(1), false);
    p.setCurrentX(2 * w / 3);
    p.print(QStringLiteral("B. ") + question.choice(2), true);
    p.setCurrentX(w / 3);
    p.print(QStringLiteral("C. ") + question.choice(3), false);
    p.setCurrentX(2 * w / 3);
    p.print(QStringLiteral("D. ") + question.choice(4), true);
    blankLine(p);
}

} // namespace

QString worksheetHeader() {
    return style::programTitle() + QString(57, QLatin1Char(' ')) +
           QStringLiteral("Marlowind Publishing Ltd");
}

void printWorksheet(PrinterService& printer, const QString& topic, const QString& title,
                    const QuestionSet& set) {
    printDocument(printer, [&] {
        const float w = printer.width();
        printHeading(printer, w, topic, title);
        printer.setFontSize(12);
        for (int n = 1; n <= QuestionSet::Size; ++n)
            printQuestion(printer, w, n, set.question(n));
    });
}

} // namespace av
