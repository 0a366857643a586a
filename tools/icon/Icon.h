#pragma once

#include <QString>
#include <QStringList>

class QPainter;

namespace av::icon {

// The program's icon: the pyramid of the topic picture on a rounded tile.
void paintIcon(QPainter& p, double size);

// Writes hicolor/scalable/apps/<id>.svg and hicolor/<n>x<n>/apps/<id>.png for every size into
// root; returns the problems, none when all went well.
QStringList writeIcons(const QString& root, const QString& id, const QList<int>& sizes);

} // namespace av::icon
