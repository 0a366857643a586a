#pragma once

#include <QString>
#include <functional>

namespace av::wmf {

// Turns a Windows face name into an installed family. The platform passes its own
// (av::fonts::familyFor); without one the library uses defaultFace, so it needs
// nothing beyond Qt.
using FaceMapper = std::function<QString(const QString& windowsFace)>;

// The one map from Windows faces to metric-compatible stand-ins, for the screens, the
// printer and the pages alike; other names pass through unchanged so that fontconfig can
// pick its own substitute.
QString defaultFace(const QString& windowsFace);

// Faces drawn in Tahoma, which is loaded only when one of them is first asked for.
bool isTahomaLike(const QString& windowsFace);

// True for symbol fonts whose byte codes we translate to Unicode.
bool isSymbolFace(const QString& windowsFace);

} // namespace av::wmf
