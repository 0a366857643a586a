#include "ResultsPrintout.h"

#include "ResultsTableModel.h"

#include "platform/PrinterService.h"
#include "shell/Printing.h"
#include "shell/Style.h"

#include <array>

namespace av {
namespace {

constexpr float Margin = 720;
// Where each column starts, as a share of the line: When, Pupil, Activity, Score.
constexpr std::array<float, ResultsTableModel::ColumnCount> ColumnStarts{0.0f, 0.2f, 0.42f, 0.84f};

// The text, cut short to fit the width.
QString fitted(PrinterService& printer, QString text, float width) {
    if (printer.textWidth(text) <= width) return text;
    while (!text.isEmpty() && printer.textWidth(text + QStringLiteral("...")) > width)
        text.chop(1);
    return text + QStringLiteral("...");
}

void printRow(PrinterService& printer, const QStringList& cells, float y) {
    const float line = printer.width() - 2 * Margin;
    for (int c = 0; c < ResultsTableModel::ColumnCount; ++c) {
        const float start = Margin + line * ColumnStarts[c];
        const float end = c + 1 < ResultsTableModel::ColumnCount
                              ? Margin + line * ColumnStarts[c + 1] - 120
                              : Margin + line;
        printer.setCurrentX(start);
        printer.setCurrentY(y);
        printer.print(fitted(printer, cells[c], end - start),
                      c + 1 == ResultsTableModel::ColumnCount);
    }
}

void startPage(PrinterService& printer, const QString& heading, int page) {
    printer.setFontName(style::sansFace());
    printer.setForeColor(palette16::Black);
    printer.setFontSize(14);
    printer.setCurrentX(Margin);
    printer.setCurrentY(Margin);
    printer.print(page == 1 ? heading : heading + QStringLiteral(" (page %1)").arg(page), true);
    printer.print(QString(), true);
    printer.setFontSize(10);
    QStringList headings;
    for (int c = 0; c < ResultsTableModel::ColumnCount; ++c)
        headings << ResultsTableModel::heading(c);
    printRow(printer, headings, printer.currentY());
}

} // namespace

void printResults(PrinterService& printer, const QString& heading,
                  const QList<PupilResult>& results) {
    printDocument(printer, [&] {
        int page = 1;
        startPage(printer, heading, page);
        for (const PupilResult& result : results) {
            if (printer.currentY() > printer.height() - Margin) {
                printer.endDoc();
                startPage(printer, heading, ++page);
            }
            QStringList cells;
            for (int c = 0; c < ResultsTableModel::ColumnCount; ++c)
                cells << ResultsTableModel::cellText(result, c);
            printRow(printer, cells, printer.currentY());
        }
    });
}

} // namespace av
