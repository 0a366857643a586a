#pragma once

#include "platform/PrinterService.h"

#include <functional>

namespace av {

class App;
class Picture;

// Draws one document and sends it. When any step fails the half-drawn document is ended
// without being sent again and the failure goes on to the caller.
template <class Draw> void printDocument(PrinterService& printer, Draw&& draw) {
    try {
        draw();
        printer.endDoc();
    } catch (...) {
        printer.abandonDoc();
        throw;
    }
}

// A page's print copy: an empty line opens the page, then the picture at its own size, 1000
// twips in from the printable origin both ways.
void printPageCopy(PrinterService& printer, const Picture& picture);

// Runs a printout on the application's printer. When the printer fails, shows the program's
// printing message and gives false; any other failure goes on to the caller.
bool printOrReport(App& app, const std::function<void(PrinterService&)>& job);

// The program's printing message, also for a printout that cannot be made at all.
void showPrintingProblem(App& app);

} // namespace av
