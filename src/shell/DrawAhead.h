#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace av {

class Screen;

// Has the screen copies of the pages a window may open next drawn on the worker thread, once
// the window's own frame is on the display, so that a page window opened or turned to shows
// its page in its first frame. A page that cannot be read is left for when it is opened.
// A window that shows no pages itself lets go of every other page's copy: a page window that
// has gone has no page one turn away.
enum class OtherPages { Kept, LetGo };
void drawPagesAhead(Screen& window, const QStringList& screenCopies, OtherPages others);
// A picture a screen opened from the window will load, for the box it will be shown in.
struct PictureAhead {
    QString path;
    QSize box;
    bool crop = false;
};
// Has those pictures decoded once the window's own frame is on the display; they are let go
// when the window goes.
void decodePicturesAhead(Screen& window, const std::vector<PictureAhead>& pictures);

} // namespace av
