#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>

namespace av {

// Whether pupils' results are kept: "--results on|off" for one start, else "results=" in the
// user's settings file, else in the first ancient-velmora.conf under $XDG_CONFIG_DIRS that has
// it (where a school names its worksheet folder). Off when none says.
struct ResultsChoice {
    bool keep = false;
    QStringList warnings; // settings that say neither on nor off, for standard error
};

ResultsChoice chooseResults(const std::optional<bool>& commandLine, const QString& userSettings,
                            const QProcessEnvironment& env);

} // namespace av
