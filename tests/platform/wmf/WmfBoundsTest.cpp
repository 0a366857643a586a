// The player's bounds on work: pages that once froze the program still draw, and quickly
// enough that the benchmark's limit holds (the time itself is measured there, not here).
#include "SlowPages.h"
#include "WmfWriter.h"
#include "wmf/Metafile.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

namespace {

using av::wmf::test::WmfWriter;

using av::wmf::test::renderOnWhite;

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return seen;
}

double inkShare(const QImage& image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != qRgb(255, 255, 255);
    return double(ink) / (image.width() * image.height());
}

TEST(WmfBounds, TheCrossedPolygonPageDrawsWithoutAntialiasing) {
    const QByteArray page = av::wmf::test::crossedPolygonPage(50, 2000);
    EXPECT_GT(page.size(), 390000);
    const QImage image = renderOnWhite(page, QSize(733, 500)); // its size on the screen
    EXPECT_GT(inkShare(image), 0.2) << "the polygons are drawn";
    // Only the page, the pen and the brush: no blended edge pixels.
    EXPECT_EQ(colours(image), (QSet<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(40, 120, 200)}));
}

TEST(WmfBounds, ShortOutlinesKeepTheirAntialiasing) {
    WmfWriter w;
    w.window(0, 0, 100, 100).pen(5, 0, 0).brush(0, qRgb(255, 0, 0)).select(0).select(1);
    w.record(0x0324, {3, 10, 10, 90, 30, 40, 90}); // a triangle
    const QImage image = renderOnWhite(w.finish(2), QSize(100, 100));
    EXPECT_GT(colours(image).size(), 2) << "its slanted edges are smoothed";
}

TEST(WmfBounds, PagesWellOverAMegabyteStillFinishAndStartTheirDrawing) {
    // 500 such polygons did not finish in ten minutes; the page stops adding work instead.
    const QImage image =
        renderOnWhite(av::wmf::test::crossedPolygonPage(500, 2000), QSize(733, 500));
    EXPECT_GT(inkShare(image), 0.2);
}

} // namespace
