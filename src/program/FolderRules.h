#pragma once

#include "platform/ProgramFolder.h"

#include <QProcessEnvironment>

namespace av {

// Decides where the program reads and writes, from where its executable lies:
// - portable: the data tree beside the executable (the build folder, a copied folder); data
//   and worksheets live there, as they always have;
// - installed: the data tree in the install's share folder, read only; worksheets in
//   $XDG_DATA_HOME/ancient-velmora/multiple, or in the school's folder named by
//   "worksheets=" in ancient-velmora.conf under $XDG_CONFIG_DIRS.
// A folder given on the command line (worksheetsOption) wins over both.
FolderPlan planFolders(const QString& programDir, const QString& worksheetsOption,
                       const QProcessEnvironment& env);

// The "worksheets=" setting of the first ancient-velmora.conf in $XDG_CONFIG_DIRS (/etc/xdg
// when unset) that has one; empty when none does.
QString systemWorksheetFolder(const QProcessEnvironment& env);

} // namespace av
