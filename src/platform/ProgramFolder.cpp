#include "ProgramFolder.h"

#include "RuntimeError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace av {
namespace {

const QString Worksheets = worksheetFolderName();
const QString RegisterName = QStringLiteral("track.txt");

QString matchIgnoringCase(const QString& dir, const QString& name) {
    if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return name;
    const QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return name;
}

// Symbolic links are followed as far as the path exists, so a link cannot lead a write
// into the read-only tree unseen.
QString realPath(const QString& path) {
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash < 0) return QDir::cleanPath(path);
        rest = existing.mid(slash) + rest;
        existing = existing.left(slash);
    }
    const QString canonical =
        QFileInfo(existing.isEmpty() ? QStringLiteral("/") : existing).canonicalFilePath();
    return QDir::cleanPath(canonical + rest);
}

bool isUnder(const QString& path, const QString& tree) {
    const QString p = realPath(path);
    const QString t = realPath(tree);
    return p == t || p.startsWith(t.endsWith(QLatin1Char('/')) ? t : t + QLatin1Char('/'));
}

} // namespace

ProgramFolder::ProgramFolder(QString root)
    : ProgramFolder(FolderPlan{root, QDir(root).absoluteFilePath(Worksheets), {}, {}}) {}

ProgramFolder::ProgramFolder(FolderPlan plan) : m_plan(std::move(plan)) {
    m_plan.data = QDir::cleanPath(QDir(m_plan.data).absolutePath());
    m_plan.worksheets = QDir::cleanPath(QDir(m_plan.worksheets).absolutePath());
}

bool ProgramFolder::separateWorksheets() const {
    return m_plan.worksheets != m_plan.data + QLatin1Char('/') + Worksheets;
}

bool ProgramFolder::isShipped(const QStringList& parts) const {
    return parts.size() == 2 && m_plan.shipped.contains(parts[1], Qt::CaseInsensitive);
}

QString ProgramFolder::resolveIn(QString path, const QStringList& parts, qsizetype first) const {
    for (qsizetype i = first; i < parts.size(); ++i)
        path += QLatin1Char('/') + matchIgnoringCase(path, parts[i]);
    return path;
}

static QStringList splitPath(const QString& relativePath) {
    QString normalised = relativePath;
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty()) throw RuntimeError(RuntimeError::BadFileName, relativePath);
    for (const QString& part : parts)
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            throw RuntimeError(RuntimeError::PathNotFound, relativePath);
    return parts;
}

static bool namesWorksheets(const QStringList& parts) {
    return parts[0].compare(Worksheets, Qt::CaseInsensitive) == 0;
}

QString ProgramFolder::resolve(const QString& relativePath) const {
    const QStringList parts = splitPath(relativePath);
    if (separateWorksheets() && namesWorksheets(parts) && !isShipped(parts))
        return resolveIn(m_plan.worksheets, parts, 1);
    return resolveIn(m_plan.data, parts, 0);
}

QString ProgramFolder::resolveForWriting(const QString& relativePath) const {
    const QStringList parts = splitPath(relativePath);
    QString path;
    if (separateWorksheets() && namesWorksheets(parts)) {
        prepareWorksheetFolder();
        path = resolveIn(m_plan.worksheets, parts, 1);
    } else {
        path = resolveIn(m_plan.data, parts, 0);
    }
    if (isShipped(parts) || (!m_plan.readOnly.isEmpty() && isUnder(path, m_plan.readOnly)))
        throw RuntimeError(RuntimeError::PathAccess, relativePath);
    return path;
}

// A worksheet folder of its own starts with an empty register; a folder that cannot be made
// shows up as the write that follows failing.
void ProgramFolder::prepareWorksheetFolder() const {
    const QString registerPath = m_plan.worksheets + QLatin1Char('/') + RegisterName;
    if (QFileInfo::exists(registerPath)) return;
    if (!m_plan.readOnly.isEmpty() && isUnder(m_plan.worksheets, m_plan.readOnly)) return;
    if (!QDir().mkpath(m_plan.worksheets)) return;
    // Written aside and moved in only where no register is yet, so a program that made one a
    // moment ago keeps its own and no reader ever sees a half-written file.
    QFile file(registerPath + QStringLiteral(".new-%1").arg(QCoreApplication::applicationPid()));
    // NewOnly: a file or link someone put there under that name is never opened.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return;
    const bool written = file.write(EmptyRegister) == qint64(sizeof EmptyRegister - 1);
    file.close();
    if (!written || !file.rename(registerPath)) file.remove();
}

} // namespace av
