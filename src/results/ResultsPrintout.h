#pragma once

#include "model/PupilResult.h"

#include <QList>
#include <QString>

namespace av {

class PrinterService;

// The results as the teacher's table shows them, under a heading, a page at a time: each page
// is sent when it is full, and the last when the list ends.
void printResults(PrinterService& printer, const QString& heading,
                  const QList<PupilResult>& results);

} // namespace av
