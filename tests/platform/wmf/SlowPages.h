#pragma once

#include <QByteArray>
#include <QImage>

namespace av::wmf::test {

// A page of self-crossing polygons filled in one colour, each point drawn at random over the
// whole page: the kind of file that took the player most of a minute a page. 50 polygons of
// 2000 points make about 400 KB.
QByteArray crossedPolygonPage(int polygons, int points);

// The metafile drawn over the whole of a white image of that size; only white when it does not
// load.
QImage renderOnWhite(const QByteArray& bytes, QSize size);

} // namespace av::wmf::test
