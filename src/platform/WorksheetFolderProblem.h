#pragma once

#include <QString>

namespace av {

class ProgramFolder;

// Why the worksheet folder cannot be used now (it is no folder, it cannot be made, it may not be
// written in), as one sentence naming the folder and what named it; empty when it can be.
QString worksheetFolderProblem(const ProgramFolder& folder);

// The message, followed by the worksheet folder's problem when it has one: a save that fails
// there says where and why, never only that it failed.
QString withWorksheetFolderProblem(const QString& message, const ProgramFolder& folder);

} // namespace av
