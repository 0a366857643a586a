#pragma once

#include <QByteArray>
#include <QString>

namespace av::tools {

// Writes a data-tree file, leaving an identical one untouched so its time stays and nothing
// that depends on it rebuilds. False when the file cannot be written.
bool writeIfChanged(const QString& path, const QByteArray& bytes);

} // namespace av::tools
