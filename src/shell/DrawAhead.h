#pragma once

#include <QStringList>

namespace av {

class Screen;

// Has the screen copies of the pages a window may open next drawn on the worker thread, once
// the window's own frame is on the display, so that a page window opened or turned to shows
// its page in its first frame. A page that cannot be read is left for when it is opened.
void drawPagesAhead(Screen& window, const QStringList& screenCopies);

} // namespace av
