#pragma once

#include "WorksheetRegister.h"

#include <QStringList>

namespace av {

class SequentialFile;

inline const QString RegisterPath = QStringLiteral("multiple\\track.txt");

// The register of authored worksheets, "multiple\track.txt": a count line, then one name a
// line. Each operation opens and closes the program's file itself and reports every failure
// as a RuntimeError after closing the file; what was read before a failure stays in the copy.

// Reads the count and that many names into slots 1.., anything after them ignored. A name slot
// above 1000 fails.
void loadRegister(SequentialFile& file, WorksheetRegister& list);

// Adds a title unless it is listed already (then nothing is written, and false is returned). A
// register that does not exist yet is created. The file is replaced whole or not at all; the
// copy's count keeps the value that was read.
bool registerWorksheet(SequentialFile& file, WorksheetRegister& list, const QString& title);

// Removes the title and closes the gap. A title that is not listed leaves the file as it was; a
// failed write leaves the file and the copy as they were.
void unregisterWorksheet(SequentialFile& file, WorksheetRegister& list, const QString& title);

// Replaces the register with these names, whole or not at all.
void writeRegister(SequentialFile& file, const QStringList& names);

// A name as it is written on its line: quoted when the reading rule would not give it back
// whole (a comma, a blank at either end, or a double quote in front); every other name exactly
// as typed.
QString registerLine(const QString& name);

} // namespace av
