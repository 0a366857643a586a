#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

class QIODevice;

namespace av {

// The most decoding a picture may take (32 MB, 8 megapixels decoded whole): a picture over it
// is refused like a damaged file, so that one replaced picture cannot take the program's
// memory with it.
inline constexpr qint64 DecodeBudget = qint64(32) * 1024 * 1024;

// "jpeg", "png", "gif" or "bmp" from the file's first bytes; empty for anything else. Naming
// the format spares Qt loading every image plugin to ask each whether it can read the file.
QByteArray rasterFormatOf(const QByteArray& bytes);

// What decoding takes at the most, in bytes, for a picture of this format, size and depth
// shown in box: a JPEG is decoded already scaled down (to no less than an eighth a side) or
// cropped, a PNG scaled as it is decoded, and anything else (a cropped PNG, a BMP, a GIF) at
// its own size first. box invalid or empty: the picture is decoded at its own size.
qint64 decodeCost(const QByteArray& format, QSize full, int bitsPerPixel, QSize box, bool crop);

// A picture decoded for a box, and the size of the whole picture it was taken from.
struct DecodedRaster {
    QImage image;
    QSize natural;
};

// Decodes a raster picture no larger than box: scaled to fit it, or with crop its top-left
// part at most the box's size. A null image when the file is no picture or would cost more
// than budget to decode.
DecodedRaster decodeRasterFor(QIODevice& device, QSize box, bool crop,
                              qint64 budget = DecodeBudget);
QImage decodeRaster(QIODevice& device, QSize box, bool crop, qint64 budget = DecodeBudget);
QImage decodeRaster(const QByteArray& bytes, QSize box, bool crop, qint64 budget = DecodeBudget);

} // namespace av
