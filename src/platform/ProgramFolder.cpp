#include "ProgramFolder.h"

#include "RuntimeError.h"

#include <QDir>
#include <QFileInfo>

namespace av {

ProgramFolder::ProgramFolder(QString root) : m_root(QDir(root).absolutePath()) {}

static QString matchIgnoringCase(const QString& dir, const QString& name) {
    if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return name;
}

QString ProgramFolder::resolve(const QString& relativePath) const {
    QString normalised = relativePath;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) throw RuntimeError(RuntimeError::BadFileName, relativePath);
    QString path = m_root;
    for (const QString& part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            throw RuntimeError(RuntimeError::PathNotFound, relativePath);
        path += QLatin1Char('/') + matchIgnoringCase(path, part);
    }
    return path;
}

} // namespace av
