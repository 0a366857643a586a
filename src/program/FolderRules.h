#pragma once

#include "platform/ProgramFolder.h"

#include <QProcessEnvironment>
#include <QStringList>

namespace av {

// The folders chosen, what named the worksheet folder, and what a settings file got wrong.
struct FolderChoice {
    FolderPlan plan;
    QString worksheetSource; // a settings file, "--worksheets"; empty for the default folder
    QStringList warnings;    // for standard error
};

// Decides where the program reads and writes, from where its executable lies:
// - portable: the data tree beside the executable (the build folder, a copied folder); data
//   and worksheets live there, as they always have;
// - installed: the data tree in the install's share folder, read only; worksheets in
//   $XDG_DATA_HOME/ancient-velmora/multiple, or in the school's folder named by
//   "worksheets=" in ancient-velmora.conf under $XDG_CONFIG_DIRS.
// A folder given on the command line (worksheetsOption) wins over both.
FolderChoice chooseFolders(const QString& programDir, const QString& worksheetsOption,
                           const QProcessEnvironment& env);
FolderPlan planFolders(const QString& programDir, const QString& worksheetsOption,
                       const QProcessEnvironment& env);
// The program's folder as chosen, knowing what named its worksheet folder.
ProgramFolder programFolder(const FolderChoice& choice);

// The "worksheets=" setting of the first ancient-velmora.conf in $XDG_CONFIG_DIRS (/etc/xdg
// when unset) that has one, a relative folder taken from the file's own folder; empty when none
// does. Files passed over and settings that name no folder add to warnings.
struct SystemSetting {
    QString folder;
    QString namedIn; // the settings file
    QStringList warnings;
};
SystemSetting systemSetting(const QProcessEnvironment& env);
QString systemWorksheetFolder(const QProcessEnvironment& env);

} // namespace av
