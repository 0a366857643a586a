#pragma once

#include <QColor>
#include <QString>

namespace av::pages {

enum class Medium { Screen, Print };
enum class Bullet { Triangle, Disc, Square };

// The look of one family of pages: pupils' key facts, teacher's notes, the guide.
struct Theme {
    QColor band; // title band
    QColor bandText;
    QColor kicker; // the small line above the title
    QColor heading;
    QColor accent; // bullets and numbers
    QColor boxFill;
    QColor boxLine;
    QString boxTitle; // heading of a boxed note
    Bullet bullet = Bullet::Disc;
    double bodyPoints = 12;
};

// Where every page goes: the screen copy sits in the viewer at (120, 0) above the link row at
// 7920 and left of the Print link at 10680; the print copy fits an A4 sheet from (1000, 1000).
inline constexpr int ScreenWidth = 10500;
inline constexpr int ScreenHeight = 7800;
inline constexpr int PrintWidth = 9360;
inline constexpr int PrintHeight = 14000;

} // namespace av::pages
