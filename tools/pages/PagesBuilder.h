#pragma once

#include <QStringList>

namespace av::pages {

// Writes every metafile page from its text source (content/pages/<stem>.txt) twice, under
// "wmf" for the screen and "wmf2" for print, and the publisher's logo under "logo". Returns
// what went wrong; an empty list means every file is in place.
QStringList writePages(const QString& contentDir, const QString& programDir);

} // namespace av::pages
