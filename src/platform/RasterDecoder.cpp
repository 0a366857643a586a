#include "RasterDecoder.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

namespace av {
namespace {

constexpr qint64 TrueColour = 4;   // bytes a pixel of a scaled picture takes
constexpr int JpegLargestStep = 8; // libjpeg scales down by up to 1/8 while decoding

bool fitsIn(QSize full, QSize box) {
    return !box.isValid() || box.isEmpty() ||
           (full.width() <= box.width() && full.height() <= box.height());
}

qint64 pixels(QSize size) {
    return qint64(size.width()) * qint64(size.height());
}

} // namespace

QByteArray rasterFormatOf(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xD8\xFF")) return QByteArrayLiteral("jpeg");
    if (bytes.startsWith("\x89PNG\r\n\x1A\n")) return QByteArrayLiteral("png");
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")) return QByteArrayLiteral("gif");
    if (bytes.startsWith("BM")) return QByteArrayLiteral("bmp");
    return {};
}

qint64 decodeCost(const QByteArray& format, QSize full, int bitsPerPixel, QSize box, bool crop) {
    const auto bytes = [bitsPerPixel](QSize size) { return (pixels(size) * bitsPerPixel + 7) / 8; };
    if (fitsIn(full, box)) return bytes(full);
    const QSize shown =
        crop ? full.boundedTo(box) : full.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1});
    const qint64 shownBytes = pixels(shown) * TrueColour;
    if (format == "jpeg") {
        // Cropped, libjpeg still decodes whole rows of the top part; scaled, it stops at the
        // smallest of its steps that is still no smaller than what is shown.
        const QSize decoded =
            crop ? QSize(full.width(), shown.height()) : shown.expandedTo(full / JpegLargestStep);
        return bytes(decoded) + shownBytes;
    }
    // Qt's PNG reader scales row by row as it decodes, but crops only a whole decoded picture.
    if (format == "png" && !crop) return shownBytes;
    return bytes(full) + shownBytes;
}

QImage decodeRaster(const QByteArray& bytes, QSize box, bool crop, qint64 budget) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    return decodeRaster(buffer, box, crop, budget);
}

QImage decodeRaster(QIODevice& device, QSize box, bool crop, qint64 budget) {
    return decodeRasterFor(device, box, crop, budget).image;
}

DecodedRaster decodeRasterFor(QIODevice& device, QSize box, bool crop, qint64 budget) {
    const QByteArray format = rasterFormatOf(device.peek(8));
    QImageReader reader(&device, format);
    if (!format.isEmpty()) reader.setAutoDetectImageFormat(false);
    // The header gives the size before any pixel is decoded; a file that does not say is
    // refused, as its cost cannot be known.
    const QSize full = reader.size();
    const QImage::Format decodedAs = reader.imageFormat();
    const int depth = decodedAs == QImage::Format_Invalid
                          ? 32
                          : int(QImage::toPixelFormat(decodedAs).bitsPerPixel());
    if (!full.isValid() || decodeCost(format, full, depth, box, crop) > budget) return {};
    if (!fitsIn(full, box)) {
        if (crop)
            reader.setClipRect(QRect(QPoint(0, 0), full.boundedTo(box)));
        else
            reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1}));
    }
    return {reader.read(), full};
}

} // namespace av
