#pragma once

#include "Sheet.h"
#include "Theme.h"

namespace av::pages {

// Draws the named illustration into a box of the page; false when there is none of that name.
bool drawIllustration(const QString& name, Sheet& sheet, const QRect& box, Medium medium);

// The publisher's corner of the acknowledgments: on screen it frames the places where the
// viewer shows the logo; on paper, where nothing moves, it draws the emblem itself.
inline const QString PublisherPanel = QStringLiteral("publisher");

} // namespace av::pages
