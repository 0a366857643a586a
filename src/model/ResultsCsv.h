#pragma once

#include "PupilResult.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

namespace av {

// Results as comma-separated values in UTF-8, one result a line, as spreadsheets read them:
// a field holding a comma, a double quote or a line break is quoted, its quotes doubled.
namespace resultsCsv {

// The first line of every results file and of every export.
QByteArray header();

// One result as one line, ending in "\r\n".
QByteArray line(const PupilResult& result);

// The fields of one line (without its line break); nothing when its quoting is broken.
std::optional<QStringList> fields(const QByteArray& line);

// A result from one line; nothing when the line is not a whole result.
std::optional<PupilResult> parse(const QByteArray& line);

// Header and results, for a file a teacher exports.
QByteArray document(const QList<PupilResult>& results);

} // namespace resultsCsv
} // namespace av
