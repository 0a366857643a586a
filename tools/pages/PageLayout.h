#pragma once

#include "PageSource.h"
#include "Theme.h"

#include <QByteArray>
#include <QSize>
#include <QStringList>
#include <vector>

namespace av::pages {

// A page the program shows, by the file name's stem ("key pyramidsa"), and its look.
struct PageSpec {
    QString stem;
    const Theme* theme;
};

// Every metafile page the program can show: four sets of three, five guide pages and the
// acknowledgments.
const std::vector<PageSpec>& pageCatalogue();

QSize pageSize(Medium medium);

// Draws a page as a placeable metafile. Anything that did not fit or could not be written is
// added to `problems`.
QByteArray drawPage(const PageSource& source, const Theme& theme, Medium medium,
                    QStringList& problems);

} // namespace av::pages
