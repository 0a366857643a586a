#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

class QPainter;

namespace av::pages {

// The Marlowind emblem: a pyramid under a rising sun whose rays turn, with the wind blowing
// across the sky. phase 0..1 runs once round the loop and comes back to where it started.
void paintEmblem(QPainter& p, const QRectF& box, double phase);

inline constexpr int LogoFrameCount = 20;
inline constexpr int LogoFrameSize = 120;       // pixels: 1800 x 1800 twips
inline constexpr QSize StaticLogoSize{120, 89}; // pixels: 1800 x 1335 twips

// Frame n of the animation, 0..19: twenty frames shown 25 ms apart make one half-second turn.
QImage logoFrame(int frame);
// The still logo: the emblem above the publisher's name.
QImage staticLogo();

// The twenty frames as GIF files sharing one palette.
std::vector<QByteArray> logoFrameGifs();
QByteArray bmpBytes(const QImage& image);

} // namespace av::pages
