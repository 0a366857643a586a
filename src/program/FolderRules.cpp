#include "FolderRules.h"

#include "SettingsFile.h"

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

} // namespace

SystemSetting systemSetting(const QProcessEnvironment& env) {
    SystemSetting setting;
    QString dirs = env.value(QStringLiteral("XDG_CONFIG_DIRS"));
    if (dirs.isEmpty()) dirs = QStringLiteral("/etc/xdg");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!QDir::isAbsolutePath(dir)) continue;
        const SettingsFile file = SettingsFile::read(dir + QLatin1Char('/') + ConfigName);
        if (!file.problem().isEmpty()) setting.warnings.append(file.problem());
        const std::optional<QString> value = file.value(WorksheetsKey);
        if (!value) continue;
        if (value->isEmpty()) {
            setting.warnings.append(QStringLiteral("Ancient Velmora: \"worksheets=\" in %1 "
                                                   "names no folder; it is passed over.")
                                        .arg(file.path()));
            continue;
        }
        // A relative folder is read as the file's writer sees it: beside the file.
        setting.folder = QDir::cleanPath(QDir(dir).absoluteFilePath(*value));
        setting.namedIn = file.path();
        break;
    }
    return setting;
}

QString systemWorksheetFolder(const QProcessEnvironment& env) {
    return systemSetting(env).folder;
}

FolderChoice chooseFolders(const QString& programDir, const QString& worksheetsOption,
                           const QProcessEnvironment& env) {
    const QString exeDir = QDir::cleanPath(QDir(programDir).absolutePath());
    const QString installed =
        QDir::cleanPath(exeDir + QLatin1Char('/') + QStringLiteral(VELMORA_DATA_FROM_BIN));
    FolderChoice choice;
    if (!worksheetsOption.isEmpty()) {
        choice.plan.worksheets = QDir::cleanPath(QDir(worksheetsOption).absolutePath());
        choice.worksheetSource = QStringLiteral("--worksheets");
    }
    if (holdsDataTree(exeDir) || !QFileInfo(installed).isDir()) {
        choice.plan.data = exeDir;
        if (choice.plan.worksheets.isEmpty())
            choice.plan.worksheets = exeDir + QStringLiteral("/multiple");
        else
            choice.plan.shipped = shippedQuestionFiles();
        return choice;
    }
    if (choice.plan.worksheets.isEmpty()) {
        SystemSetting setting = systemSetting(env);
        choice.plan.worksheets = setting.folder;
        choice.worksheetSource = setting.namedIn;
        choice.warnings = std::move(setting.warnings);
    }
    if (choice.plan.worksheets.isEmpty())
        choice.plan.worksheets =
            userDataHome(env) + QLatin1Char('/') + AppFolder + QStringLiteral("/multiple");
    // The installed tree is never written, even by root; with a prefix such as ~/.local the
    // worksheets rightly live under the same prefix, beside it.
    choice.plan.data = installed;
    choice.plan.readOnly = installed;
    choice.plan.shipped = shippedQuestionFiles();
    return choice;
}

FolderPlan planFolders(const QString& programDir, const QString& worksheetsOption,
                       const QProcessEnvironment& env) {
    return chooseFolders(programDir, worksheetsOption, env).plan;
}

ProgramFolder programFolder(const FolderChoice& choice) {
    ProgramFolder folder(choice.plan);
    folder.setWorksheetSource(choice.worksheetSource);
    return folder;
}

} // namespace av
