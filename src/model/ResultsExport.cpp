#include "ResultsExport.h"

#include "ResultsCsv.h"
#include "ResultsFolder.h"

#include <QSaveFile>

namespace av {

bool writeResultsFile(const QString& path, const QList<PupilResult>& results, QString* error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(resultsCsv::document(results));
        if (file.commit()) return true;
    }
    if (error) *error = path + QStringLiteral(": ") + file.errorString();
    return false;
}

bool exportResults(const QString& worksheetFolder, const QString& path, QString* error) {
    const ResultsFolder folder(worksheetFolder);
    const ResultsFolder::Reading reading = folder.read();
    if (!reading.readable) {
        if (error)
            *error = QStringLiteral("the pupils' results in %1 may not be read by this account")
                         .arg(folder.path());
        return false;
    }
    return writeResultsFile(path, reading.results, error);
}

} // namespace av
