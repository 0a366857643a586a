#include "FolderRules.h"

#include "model/WorksheetFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace av {
namespace {

const QString AppFolder = QStringLiteral("ancient-velmora");
const QString ConfigName = QStringLiteral("ancient-velmora.conf");
const QString WorksheetsKey = QStringLiteral("worksheets");

bool holdsDataTree(const QString& dir) {
    const QDir d(dir);
    return d.exists(QStringLiteral("wav")) && d.exists(worksheetFolderName());
}

// XDG paths must be absolute; anything else is ignored and the default used.
QString absoluteOr(const QString& value, const QString& fallback) {
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? value : fallback;
}

QString userDataHome(const QProcessEnvironment& env) {
    const QString home = absoluteOr(env.value(QStringLiteral("HOME")), QDir::homePath());
    return absoluteOr(env.value(QStringLiteral("XDG_DATA_HOME")),
                      home + QStringLiteral("/.local/share"));
}

// "key = value" lines; blank lines, comments (# or ;) and [section] headers are passed over.
QString settingIn(const QString& path, const QString& key) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')) || eq < 0)
            continue;
        if (line.left(eq).trimmed() == key) return line.mid(eq + 1).trimmed();
    }
    return {};
}

} // namespace

QString systemWorksheetFolder(const QProcessEnvironment& env) {
    QString dirs = env.value(QStringLiteral("XDG_CONFIG_DIRS"));
    if (dirs.isEmpty()) dirs = QStringLiteral("/etc/xdg");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!QDir::isAbsolutePath(dir)) continue;
        const QString value = settingIn(dir + QLatin1Char('/') + ConfigName, WorksheetsKey);
        // Relative to nothing a user could know, so only a full path counts.
        if (QDir::isAbsolutePath(value)) return QDir::cleanPath(value);
    }
    return {};
}

FolderPlan planFolders(const QString& programDir, const QString& worksheetsOption,
                       const QProcessEnvironment& env) {
    const QString exeDir = QDir::cleanPath(QDir(programDir).absolutePath());
    const QString installed =
        QDir::cleanPath(exeDir + QLatin1Char('/') + QStringLiteral(VELMORA_DATA_FROM_BIN));
    const QString option = worksheetsOption.isEmpty()
                               ? QString()
                               : QDir::cleanPath(QDir(worksheetsOption).absolutePath());
    if (holdsDataTree(exeDir) || !QFileInfo(installed).isDir()) {
        FolderPlan plan{exeDir, exeDir + QStringLiteral("/multiple"), {}, {}};
        if (!option.isEmpty()) {
            plan.worksheets = option;
            plan.shipped = shippedQuestionFiles();
        }
        return plan;
    }
    QString worksheets = option;
    if (worksheets.isEmpty()) worksheets = systemWorksheetFolder(env);
    if (worksheets.isEmpty())
        worksheets = userDataHome(env) + QLatin1Char('/') + AppFolder + QStringLiteral("/multiple");
    // The installed tree is never written, even by root; with a prefix such as ~/.local the
    // worksheets rightly live under the same prefix, beside it.
    return FolderPlan{installed, worksheets, installed, shippedQuestionFiles()};
}

} // namespace av
