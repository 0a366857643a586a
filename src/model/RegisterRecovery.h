#pragma once

#include "WorksheetRegister.h"

#include <QByteArray>
#include <optional>

namespace av {

class ProgramFolder;
class SequentialFile;

// Loads the register for a teacher's change. One that is there but cannot be read (no count
// line, fewer names than its count, more than 1000, a folder in its place) is kept aside under a
// name no worksheet can have and made again from the worksheets' question files in "multiple",
// oldest first; the copy then holds the new list. Returns the name the old register was
// kept under, or the empty text when it was read as it was or is missing (the shared copy is then
// left as it was). The rebuilding takes the register lock, so the caller must not hold it. Fails
// with a RuntimeError when the lock cannot be had or the new list cannot be written; the old
// register is then back in its place.
QString recoverRegister(SequentialFile& file, const ProgramFolder& folder, WorksheetRegister& list);

// What the teacher is told, once, after a recovery.
QString rebuiltMessage(const QString& keptAs);

// The register's bytes, or nothing when there is no register; putting them back restores it
// exactly, removing a register that was not there.
std::optional<QByteArray> registerSnapshot(const ProgramFolder& folder);
void restoreRegister(const ProgramFolder& folder, const std::optional<QByteArray>& snapshot);

} // namespace av
