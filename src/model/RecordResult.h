#pragma once

#include "PupilResult.h"
#include "ScoredOutcome.h"

#include <QString>

namespace av {

// The result a finished quiz or activity leaves, at this moment, on this computer and account;
// an empty name is kept as "No name".
PupilResult resultOf(const ScoredOutcome& outcome, const QString& pupil);

// Appends that result to the results folder inside `worksheetFolder`, flushed to disk. False,
// with the reason, when it could not be kept.
bool recordResult(const QString& worksheetFolder, const ScoredOutcome& outcome,
                  const QString& pupil, QString* error = nullptr);

// This computer's name, and the account the program runs as.
QString computerName();
QString accountName();

} // namespace av
