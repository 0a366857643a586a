#include "Logo.h"
#include "BuildFolders.h"
#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <cmath>
#include <gtest/gtest.h>

namespace av::pages {
namespace {

const QString LogoDir = built::programDir() + QStringLiteral("/logo/");

QImage readBack(const QString& path, QByteArray* format) {
    QImageReader reader(path);
    *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (a.width() * a.height());
}

TEST(Logo, TwentyGifFramesQtCanReadMakeASmoothLoop) {
    std::vector<QImage> frames;
    for (int i = 0; i < LogoFrameCount; ++i) {
        QByteArray format;
        const QString name = QStringLiteral("marl%1.gif").arg(i, 4, 10, QLatin1Char('0'));
        frames.push_back(readBack(LogoDir + name, &format));
        ASSERT_EQ(format, QByteArray("gif")) << name.toStdString();
        ASSERT_EQ(frames.back().size(), QSize(120, 120)) << name.toStdString();
    }
    // Every step, the last back to the first included, changes the picture by about as much.
    std::vector<double> steps;
    for (int i = 0; i < LogoFrameCount; ++i)
        steps.push_back(meanDifference(frames[i], frames[(i + 1) % LogoFrameCount]));
    const auto [least, most] = std::minmax_element(steps.begin(), steps.end());
    EXPECT_GT(*least, 0.5) << "a frame repeats the one before it";
    EXPECT_LT(*most, 2 * *least) << "the loop jumps";
}

TEST(Logo, StillLogoIsABitmapOfItsBox) {
    QByteArray format;
    const QImage still = readBack(LogoDir + QStringLiteral("marlowind2.bmp"), &format);
    EXPECT_EQ(format, QByteArray("bmp"));
    EXPECT_EQ(still.size(), QSize(120, 89)); // 1800 x 1335 twips
}

TEST(GifWriter, FramesComeBackPixelForPixel) {
    std::vector<QImage> pictures = {logoFrame(3), logoFrame(11)};
    const std::vector<QImage> indexed = sharePalette(pictures);
    ASSERT_EQ(indexed.size(), 2u);
    EXPECT_EQ(indexed[0].colorTable(), indexed[1].colorTable());
    for (const QImage& frame : indexed) {
        QByteArray bytes = encodeGif(frame);
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer, "gif");
        const QImage back = reader.read();
        ASSERT_FALSE(back.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32),
                  frame.convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_TRUE(encodeGif(pictures[0]).isEmpty()) << "only indexed images are written";
}

} // namespace
} // namespace av::pages
