#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

namespace av::cp1252 {

// Files are single-byte Windows-1252; text in memory is Unicode.
QString decode(const QByteArray& bytes);
bool canEncode(QChar c);
// Characters the code page cannot hold become '?'; callers that must not lose text check first.
QByteArray encode(const QString& text);

} // namespace av::cp1252
