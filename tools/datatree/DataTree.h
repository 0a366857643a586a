#pragma once

#include <QString>
#include <QStringList>

namespace av::datatree {

inline constexpr int kJpegQuality = 90;

// Writes root/Images/*.jpg and root/wav/*.wav. Returns the problems met; empty on success.
QStringList writeDataTree(const QString& root);

} // namespace av::datatree
