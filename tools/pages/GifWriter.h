#pragma once

#include <QByteArray>
#include <QImage>
#include <vector>

namespace av::pages {

// Reduces a run of images to one shared palette of at most 256 colours (median cut), so an
// animation's frames do not flicker between palettes. The results are 8-bit indexed images.
std::vector<QImage> sharePalette(const std::vector<QImage>& images);

// A single-image GIF of an 8-bit indexed image; empty when giflib fails.
QByteArray encodeGif(const QImage& indexed);

} // namespace av::pages
