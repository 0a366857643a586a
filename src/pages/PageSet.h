#pragma once

#include <QString>

namespace av {

// A set of pages the page viewer shows: the stem of its file names ("key pyramids") and how
// many pages it has.
struct PageSet {
    QString key;
    int pageCount = 0;
};

} // namespace av
