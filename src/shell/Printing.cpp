#include "Printing.h"

#include "App.h"
#include "Style.h"

#include "platform/Picture.h"
#include "platform/RuntimeError.h"

namespace av {

void printPageCopy(PrinterService& printer, const Picture& picture) {
    printDocument(printer, [&] {
        printer.print(QString(), true);
        printer.paintPicture(picture, 1000, 1000);
    });
}

void showPrintingProblem(App& app) {
    app.services.messages.show(QStringLiteral("There was a problem printing to your printer."),
                               style::programTitle(), MessageBoxService::Buttons::Ok);
}

bool printOrReport(App& app, const std::function<void(PrinterService&)>& job) {
    try {
        job(app.services.printer);
        return true;
    } catch (const RuntimeError&) {
        showPrintingProblem(app);
        return false;
    }
}

} // namespace av
