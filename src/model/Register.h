#pragma once

#include "shell/AppState.h"

#include <QStringList>

namespace av {

class SequentialFile;

inline const QString RegisterPath = QStringLiteral("multiple\\track.txt");

// The register of authored worksheets, "multiple\track.txt": a count line, then one name a
// line. Each operation opens and closes the program's file itself and reports every failure
// as a RuntimeError after closing the file; what was read before a failure stays in state.

// Reads the count into registerCount and that many names into slots 1.., anything after them
// ignored. A name slot above 1000 fails.
void loadRegister(SequentialFile& file, AppState& state);

// Adds a title unless it is listed already (then nothing is written, and false is returned). A
// register that does not exist yet is created. The file is replaced whole or not at all;
// registerCount keeps the value that was read.
bool trackworksheets(SequentialFile& file, AppState& state, const QString& title);

// Removes deleteName and closes the gap. A name that is not listed leaves the file as it was; a
// failed write leaves the file and the shared copy as they were.
void delworksheet(SequentialFile& file, AppState& state);

// Replaces the register with these names, whole or not at all.
void writeRegister(SequentialFile& file, const QStringList& names);

// Whether the shared copy lists the title, compared exactly.
bool isRegistered(const AppState& state, const QString& title);

// A name as it is written on its line: quoted when the reading rule would not give it back
// whole (a comma, or a blank at either end); every other name exactly as typed.
QString registerLine(const QString& name);

} // namespace av
