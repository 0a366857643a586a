#pragma once

#include "platform/PrinterService.h"

namespace av::printtext {

// A single space with a line end: the printouts' way of leaving a line empty.
inline void blankLine(PrinterService& p) {
    p.print(QStringLiteral(" "), true);
}

inline void blankLines(PrinterService& p, int count) {
    for (int i = 0; i < count; ++i)
        blankLine(p);
}

// Prints a line centred on a page of the given width, in the current font.
inline void centre(PrinterService& p, float pageWidth, const QString& text) {
    p.setCurrentX((pageWidth - p.textWidth(text)) / 2);
    p.print(text, true);
}

} // namespace av::printtext
