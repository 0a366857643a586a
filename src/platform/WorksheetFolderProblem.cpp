#include "WorksheetFolderProblem.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <unistd.h>

namespace av {
namespace {

QString writeProblem(const QString& dir) {
    if (::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0) return {};
    return errno == EROFS ? QStringLiteral("it lies on a disk that cannot be written")
                          : QStringLiteral("this account may not write in it");
}

QString reason(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.isDir() ? writeProblem(path) : QStringLiteral("it is not a folder");
    // Made at the first save, when the nearest folder above it lets this account make it.
    QString above = QDir::cleanPath(path);
    while (!QFileInfo::exists(above) && above.contains(QLatin1Char('/')))
        above = QFileInfo(above).path();
    if (!QFileInfo(above).isDir() || !writeProblem(above).isEmpty())
        return QStringLiteral("it does not exist and cannot be made");
    return {};
}

} // namespace

QString worksheetFolderProblem(const ProgramFolder& folder) {
    const QString why = reason(folder.worksheetFolder());
    if (why.isEmpty()) return {};
    const QString named = folder.worksheetSource().isEmpty()
                              ? QString()
                              : QStringLiteral(" (named in %1)").arg(folder.worksheetSource());
    return QStringLiteral("The worksheet folder \"%1\"%2 cannot be used: %3.")
        .arg(QDir::toNativeSeparators(folder.worksheetFolder()), named, why);
}

QString withWorksheetFolderProblem(const QString& message, const ProgramFolder& folder) {
    const QString problem = worksheetFolderProblem(folder);
    return problem.isEmpty() ? message : message + QStringLiteral("\n\n") + problem;
}

} // namespace av
