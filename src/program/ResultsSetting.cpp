#include "ResultsSetting.h"

#include "CommandLine.h"
#include "SettingsFile.h"

#include <QDir>

namespace av {
namespace {

const QString ResultsKey = QStringLiteral("results");

// The file's word on results, when it has one that means on or off.
std::optional<bool> fileSays(const SettingsFile& file, QStringList& warnings) {
    const std::optional<QString> value = file.value(ResultsKey);
    if (!value) return std::nullopt;
    const std::optional<bool> keep = onOffValue(*value);
    if (!keep)
        warnings.append(QStringLiteral("Ancient Velmora: \"results=%1\" in %2 is neither on nor "
                                       "off; it is passed over.")
                            .arg(*value, file.path()));
    return keep;
}

} // namespace

ResultsChoice chooseResults(const std::optional<bool>& commandLine, const QString& userSettings,
                            const QProcessEnvironment& env) {
    ResultsChoice choice;
    if (commandLine) {
        choice.keep = *commandLine;
        return choice;
    }
    if (!userSettings.isEmpty()) {
        // Its problems, if any, were said already as the scale was read from it.
        if (const auto keep = fileSays(SettingsFile::read(userSettings), choice.warnings)) {
            choice.keep = *keep;
            return choice;
        }
    }
    QString dirs = env.value(QStringLiteral("XDG_CONFIG_DIRS"));
    if (dirs.isEmpty()) dirs = QStringLiteral("/etc/xdg");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!QDir::isAbsolutePath(dir)) continue;
        const SettingsFile file = SettingsFile::read(dir + QStringLiteral("/ancient-velmora.conf"));
        if (const auto keep = fileSays(file, choice.warnings)) {
            choice.keep = *keep;
            break;
        }
    }
    return choice;
}

} // namespace av
