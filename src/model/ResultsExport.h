#pragma once

#include "PupilResult.h"

#include <QList>
#include <QString>

namespace av {

// Writes results to `path` as the CSV a spreadsheet opens, replacing the file only once it is
// written whole. False, with the reason, when it could not.
bool writeResultsFile(const QString& path, const QList<PupilResult>& results, QString* error);

// Every result kept in the worksheet folder's results, newest first, written to `path`. A
// folder whose results may not be read writes nothing and says so.
bool exportResults(const QString& worksheetFolder, const QString& path, QString* error);

} // namespace av
