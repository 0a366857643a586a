#pragma once

#include <QStringList>

namespace av {

class ProgramFolder;

// The topic quizzes that ship in "multiple"; no worksheet may be saved over them.
const QStringList& shippedQuestionFiles();

// Where a worksheet's question file lives: "multiple/" + title + ".txt". A title that cannot
// be a plain file name inside "multiple" (a path separator, a character file systems refuse,
// a control character) fails with a RuntimeError, so no title reaches another folder.
QString worksheetPath(const QString& title);

// The same path for writing, refused also when the file would replace one that is not this
// worksheet's: the register, a shipped topic quiz, a device name, or another worksheet's file
// whose name differs only in case (file names are matched without regard to case).
QString worksheetPathForSaving(const ProgramFolder& folder, const QString& title);

// Why a title that worksheetPathForSaving refuses by this program's own rules cannot be saved,
// in words a teacher can act on; the empty text for a title these rules allow, or one whose
// characters no file name can hold (that has its message elsewhere).
QString titleRefusal(const ProgramFolder& folder, const QString& title);

} // namespace av
