#include "RegisterRecovery.h"

#include "Register.h"
#include "RegisterLock.h"
#include "WorksheetFile.h"

#include "QuestionFile.h"

#include "platform/Cp1252.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/SequentialFile.h"
#include "platform/StagedFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace av {
namespace {

const QString Folder = worksheetFolderName();
const QString Extension = QStringLiteral(".txt");
// Not ending in ".txt", so no later recovery takes it for a worksheet.
const QString KeptName = QStringLiteral("track.txt.unreadable");

bool canRegister(const QString& name) {
    static const QStringList notWorksheets{QStringLiteral("track"), QStringLiteral("The Pyramids"),
                                           QStringLiteral("Words and Numbers")};
    if (name.isEmpty() || notWorksheets.contains(name, Qt::CaseInsensitive)) return false;
    for (QChar c : name)
        if (!cp1252::canEncode(c)) return false;
    try {
        worksheetPath(name);
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}

// Only a file the catalogue can open is listed again.
bool loads(SequentialFile& file, const QString& name) {
    try {
        file.openInput(worksheetPath(name));
        QuestionSet set;
        readQuestionSet(file, set);
        file.close();
        return true;
    } catch (const RuntimeError&) {
        file.abandon();
        return false;
    }
}

QStringList worksheetsOldestFirst(SequentialFile& file, const ProgramFolder& folder) {
    QFileInfoList files =
        QDir(folder.resolve(Folder)).entryInfoList({QLatin1Char('*') + Extension}, QDir::Files);
    std::stable_sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = a.lastModified(), tb = b.lastModified();
        return ta != tb ? ta < tb : a.fileName() < b.fileName();
    });
    QStringList names;
    for (const QFileInfo& info : files) {
        if (names.size() == WorksheetRegister::MaxNames) break;
        QString name = info.fileName();
        if (!name.endsWith(Extension)) continue;
        name.chop(Extension.size());
        if (canRegister(name) && loads(file, name)) names.append(name);
    }
    return names;
}

QString freeName(const QDir& dir) {
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? KeptName : KeptName + QString::number(n);
        if (!QFileInfo(dir.filePath(name)).exists() && !QFileInfo(dir.filePath(name)).isSymLink())
            return name;
    }
}

bool readable(SequentialFile& file, WorksheetRegister& list) {
    try {
        loadRegister(file, list);
        return list.count() >= 0;
    } catch (const RuntimeError&) {
        return false;
    }
}

} // namespace

QString recoverRegister(SequentialFile& file, const ProgramFolder& folder,
                        WorksheetRegister& list) {
    if (!file.exists(RegisterPath) || readable(file, list)) return {};
    // Another program may be mending it too; under the lock the first one's work is seen.
    RegisterLock lock(folder);
    if (!file.exists(RegisterPath) || readable(file, list)) return {};
    const QStringList names = worksheetsOldestFirst(file, folder);
    const QDir dir(folder.resolve(Folder));
    const QString track = folder.resolve(RegisterPath);
    const QString keptAs = freeName(dir);
    if (!QDir().rename(track, dir.filePath(keptAs)))
        throw RuntimeError(RuntimeError::PathAccess, RegisterPath);
    try {
        writeRegister(file, names);
    } catch (const RuntimeError&) {
        QDir().rename(dir.filePath(keptAs), track);
        throw;
    }
    list.assign(names);
    return keptAs;
}

QString rebuiltMessage(const QString& keptAs) {
    return QStringLiteral("The list of saved worksheets could not be read, so it has been made "
                          "again from the worksheets in the folder. The old list was kept as "
                          "\"multiple/") +
           keptAs + QStringLiteral("\".");
}

std::optional<QByteArray> registerSnapshot(const ProgramFolder& folder) {
    QFile file(folder.resolve(RegisterPath));
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) throw RuntimeError(RuntimeError::PathAccess, RegisterPath);
    return file.readAll();
}

void restoreRegister(const ProgramFolder& folder, const std::optional<QByteArray>& snapshot) {
    const QString path = folder.resolve(RegisterPath);
    if (!snapshot) {
        QFile::remove(path);
        return;
    }
    StagedFile out(path);
    if (out.open() && out.write(*snapshot)) out.commit();
}

} // namespace av
