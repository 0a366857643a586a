// Pictures decoded no larger than the box that shows them, whatever their format, and refused
// when decoding them would cost more than the budget.
#include "platform/RasterDecoder.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

using namespace av;

namespace {

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A picture whose colour changes across it, so that a wrong crop or scale shows.
QImage gradient(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 90));
    return image;
}

TEST(RasterDecoder, TheFormatComesFromTheFileItselfNotItsName) {
    const QImage image = gradient(QSize(16, 8));
    EXPECT_EQ(rasterFormatOf(encoded(image, "JPEG")), "jpeg");
    EXPECT_EQ(rasterFormatOf(encoded(image, "PNG")), "png");
    EXPECT_EQ(rasterFormatOf(encoded(image, "BMP")), "bmp");
    EXPECT_EQ(rasterFormatOf(QByteArray("GIF89a\x10\x00\x08\x00", 10)), "gif");
    EXPECT_TRUE(rasterFormatOf(QByteArray("no picture")).isEmpty());
    EXPECT_TRUE(rasterFormatOf(QByteArray()).isEmpty());
}

TEST(RasterDecoder, EveryFormatComesOutAtTheSizeOfItsBox) {
    const QImage image = gradient(QSize(400, 300));
    for (const char* format : {"JPEG", "PNG", "BMP"}) {
        const QByteArray bytes = encoded(image, format);
        EXPECT_EQ(decodeRaster(bytes, QSize(200, 200), false).size(), QSize(200, 150)) << format;
        const QImage corner = decodeRaster(bytes, QSize(40, 30), true);
        ASSERT_EQ(corner.size(), QSize(40, 30)) << format;
        EXPECT_LT(qRed(corner.pixel(0, 0)) + qGreen(corner.pixel(0, 0)), 30) << format;
        EXPECT_EQ(decodeRaster(bytes, QSize(), false).size(), image.size()) << format;
        EXPECT_EQ(decodeRaster(bytes, QSize(800, 800), false).size(), image.size()) << format;
    }
    EXPECT_TRUE(decodeRaster(QByteArray("no picture"), QSize(10, 10), false).isNull());
}

// What decoding costs decides before any pixel is decoded: a JPEG or PNG is decoded scaled,
// so a 24-megapixel photo in a screen-sized box costs little; a BMP, or a PNG to be cropped,
// is decoded whole first.
TEST(RasterDecoder, TheCostOfDecodingIsKnownFromTheHeader) {
    const QSize photo(6000, 4000), box(792, 574);
    const qint64 jpeg = decodeCost("jpeg", photo, 32, box, false);
    EXPECT_LT(jpeg, qint64(8) * 1024 * 1024);
    EXPECT_GE(jpeg, qint64(792) * 528 * 4);
    EXPECT_EQ(decodeCost("png", photo, 32, box, false), 792 * 528 * 4);
    EXPECT_EQ(decodeCost("png", photo, 32, box, true), qint64(6000) * 4000 * 4 + 792 * 574 * 4);
    EXPECT_EQ(decodeCost("bmp", photo, 24, box, false), qint64(6000) * 4000 * 3 + 792 * 528 * 4);
    EXPECT_EQ(decodeCost("png", photo, 8, QSize(), false), qint64(6000) * 4000);
    EXPECT_EQ(decodeCost("png", QSize(100, 80), 32, box, false), 100 * 80 * 4) << "it fits";
    // Cropped, a JPEG decodes whole rows down to the bottom of the box.
    EXPECT_EQ(decodeCost("jpeg", photo, 32, QSize(120, 90), true), 6000 * 90 * 4 + 120 * 90 * 4);
    EXPECT_GT(decodeCost("bmp", photo, 24, box, false), DecodeBudget) << "a 24-megapixel BMP";
    EXPECT_LT(decodeCost("jpeg", photo, 32, box, false), DecodeBudget) << "a 24-megapixel JPEG";
}

// A picture whose whole decode is over the budget is refused before it is decoded, while the
// same picture as a JPEG or a PNG is decoded scaled; within the budget anything is decoded.
TEST(RasterDecoder, APictureThatWouldCostTooMuchIsRefusedBeforeItIsDecoded) {
    const QImage image = gradient(QSize(1200, 900)); // 4.3 MB decoded
    const qint64 budget = 2 * 1024 * 1024;
    EXPECT_TRUE(decodeRaster(encoded(image, "BMP"), QSize(300, 300), false, budget).isNull());
    EXPECT_TRUE(decodeRaster(encoded(image, "PNG"), QSize(300, 300), true, budget).isNull());
    EXPECT_EQ(decodeRaster(encoded(image, "JPEG"), QSize(300, 300), false, budget).size(),
              QSize(300, 225));
    EXPECT_EQ(decodeRaster(encoded(image, "PNG"), QSize(300, 300), false, budget).size(),
              QSize(300, 225));
    EXPECT_EQ(decodeRaster(encoded(image, "BMP"), QSize(300, 300), false).size(), QSize(300, 225));
}

} // namespace
