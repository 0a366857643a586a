#include "SlowPages.h"
#include "WmfWriter.h"
#include "wmf/Metafile.h"

#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using av::wmf::Metafile;
using av::wmf::test::WmfWriter;

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

QImage render(const QByteArray& bytes, QSize size = QSize(100, 100)) {
    return av::wmf::test::renderOnWhite(bytes, size);
}

// A 100 x 100 window with a null pen and a red brush selected (objects 0 and 1).
WmfWriter redOnWindow() {
    WmfWriter w;
    w.window(0, 0, 100, 100).pen(5, 0, 0).brush(0, kRed).select(0).select(1);
    return w;
}

int inkInRect(const QImage& image, const QRect& area) {
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160) ++ink;
    return ink;
}

TEST(WmfMapping, TheWindowFillsTheTargetEitherWayUp) {
    const QImage plain = render(redOnWindow().rectangle(0, 0, 50, 50).finish(2));
    EXPECT_EQ(plain.pixel(25, 25), kRed);
    EXPECT_EQ(plain.pixel(75, 75), kWhite);

    // A negative window height puts logical y upwards: the square lands bottom left.
    WmfWriter flipped;
    flipped.window(0, 100, 100, -100)
        .pen(5, 0, 0)
        .brush(0, kRed)
        .select(0)
        .select(1)
        .rectangle(0, 0, 50, 50);
    const QImage up = render(flipped.finish(2));
    EXPECT_EQ(up.pixel(25, 75), kRed);
    EXPECT_EQ(up.pixel(25, 25), kWhite);

    // Twice the window, same drawing: it shrinks to a quarter of the target.
    WmfWriter wide = redOnWindow();
    wide.record(0x020C, {200, 200}).rectangle(0, 0, 100, 100);
    const QImage small = render(wide.finish(2));
    EXPECT_EQ(small.pixel(40, 40), kRed);
    EXPECT_EQ(small.pixel(60, 60), kWhite);
}

TEST(WmfState, SaveAndRestoreBringBackTheBrushAndWindow) {
    WmfWriter w = redOnWindow();
    w.brush(0, kBlue)
        .record(0x001E, {})
        .select(2)
        .record(0x020C, {1000, 1000})
        .record(0x0127, {-1});
    w.rectangle(0, 0, 50, 50);
    const QImage image = render(w.finish(3));
    EXPECT_EQ(image.pixel(40, 40), kRed);
}

TEST(WmfObjects, FreedSlotsAreReusedAndBadIndicesIgnored) {
    WmfWriter w = redOnWindow();
    // Slot 1 (red) is freed, so the blue brush takes it; indices 7 and 9 do not exist.
    w.remove(1).brush(0, kBlue).select(7).remove(9).select(1).rectangle(0, 0, 50, 50);
    const QImage image = render(w.finish(2));
    EXPECT_EQ(image.pixel(25, 25), kBlue);
}

TEST(WmfObjects, NullPenAndNullBrushDrawNothing) {
    WmfWriter w;
    w.window(0, 0, 100, 100)
        .pen(5, 0, 0)
        .brush(1, kRed)
        .select(0)
        .select(1)
        .rectangle(0, 0, 100, 100);
    EXPECT_EQ(inkInRect(render(w.finish(2)), QRect(0, 0, 100, 100)), 0);
}

TEST(WmfClipping, IntersectAndExcludeLimitTheFill) {
    WmfWriter w = redOnWindow();
    w.record(0x0416, {50, 50, 0, 0});   // intersect with (0,0)-(50,50)
    w.record(0x0415, {30, 30, 10, 10}); // but not (10,10)-(30,30)
    w.rectangle(0, 0, 100, 100);
    const QImage image = render(w.finish(2));
    EXPECT_EQ(image.pixel(5, 5), kRed);
    EXPECT_EQ(image.pixel(20, 20), kWhite);
    EXPECT_EQ(image.pixel(75, 75), kWhite);
}

TEST(WmfShapes, PolyPolygonFollowsTheFillMode) {
    auto twoSquares = [](int mode) {
        WmfWriter w = redOnWindow();
        w.record(0x0106, {mode});
        w.record(0x0538, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70});
        return render(w.finish(2));
    };
    EXPECT_EQ(twoSquares(1).pixel(50, 50), kWhite); // ALTERNATE leaves the hole
    EXPECT_EQ(twoSquares(2).pixel(50, 50), kRed);   // WINDING fills it
    EXPECT_EQ(twoSquares(1).pixel(20, 20), kRed);
}

TEST(WmfShapes, PieRunsCounterClockwiseFromTheFirstRadial) {
    WmfWriter w = redOnWindow();
    // From the east radial to the north one: the upper right quarter.
    w.record(0x081A, {0, 50, 50, 100, 100, 100, 0, 0});
    const QImage image = render(w.finish(2));
    EXPECT_EQ(image.pixel(70, 30), kRed);
    EXPECT_EQ(image.pixel(30, 30), kWhite);
    EXPECT_EQ(image.pixel(70, 70), kWhite);
}

TEST(WmfShapes, WidePensScaleWithTheWindow) {
    WmfWriter w;
    w.window(0, 0, 100, 100).pen(0x0200, 10, 0).select(0); // flat caps, 10 units
    w.record(0x0214, {50, 10}).record(0x0213, {50, 90});
    const QImage image = render(w.finish(1));
    EXPECT_LT(qGray(image.pixel(50, 47)), 100);
    EXPECT_GT(qGray(image.pixel(50, 40)), 200);
}

TEST(WmfText, AlignmentPlacesTextAroundTheReferencePoint) {
    auto textAt = [](int align) {
        WmfWriter w;
        w.window(0, 0, 200, 100).font(-30, "Arial").select(0).record(0x012E, {align});
        w.record(0x0102, {1}).extTextOut(100, 50, "HHHH");
        return render(w.finish(1), QSize(200, 100));
    };
    const QImage leftTop = textAt(0);
    EXPECT_GT(inkInRect(leftTop, QRect(100, 50, 100, 50)), 50);
    EXPECT_EQ(inkInRect(leftTop, QRect(0, 0, 98, 100)), 0);
    EXPECT_EQ(inkInRect(leftTop, QRect(0, 0, 200, 48)), 0);

    const QImage rightBaseline = textAt(2 | 24);
    EXPECT_GT(inkInRect(rightBaseline, QRect(0, 0, 100, 50)), 50);
    EXPECT_EQ(inkInRect(rightBaseline, QRect(102, 0, 98, 100)), 0);
}

TEST(WmfText, EscapementRotatesTheLine) {
    WmfWriter w;
    w.window(0, 0, 200, 200).font(-20, "Arial", 900).select(0).record(0x0102, {1});
    w.extTextOut(100, 190, "HHHHHHHH");
    const QImage image = render(w.finish(1), QSize(200, 200));
    // Rotated a quarter turn anticlockwise: the line runs up from the reference point.
    EXPECT_GT(inkInRect(image, QRect(100, 20, 40, 160)), 100);
    EXPECT_EQ(inkInRect(image, QRect(0, 0, 95, 200)), 0);
}

TEST(WmfBitmaps, StretchedDibKeepsItsPixelsInPlace) {
    // 2 x 2, 24 bits, bottom-up: bottom row blue, red; top row red, blue.
    QByteArray dib(40, '\0');
    qToLittleEndian<quint32>(40, dib.data());
    qToLittleEndian<qint32>(2, dib.data() + 4);
    qToLittleEndian<qint32>(2, dib.data() + 8);
    qToLittleEndian<quint16>(1, dib.data() + 12);
    qToLittleEndian<quint16>(24, dib.data() + 14);
    dib += QByteArray::fromHex("ff00000000ff0000"
                               "0000ffff00000000");
    QByteArray record;
    for (int v : {0x0020, 0x00CC, 2, 2, 0, 0, 100, 100, 0, 0}) {
        record.append(static_cast<char>(v & 0xFF));
        record.append(static_cast<char>((v >> 8) & 0xFF));
    }
    WmfWriter w;
    w.window(0, 0, 100, 100).bytes(0x0B41, record + dib);
    const QImage image = render(w.finish(0));
    EXPECT_EQ(image.pixel(25, 25), kRed);
    EXPECT_EQ(image.pixel(75, 25), kBlue);
    EXPECT_EQ(image.pixel(25, 75), kBlue);
    EXPECT_EQ(image.pixel(75, 75), kRed);
}

TEST(WmfDamage, MissingEndAndTrailingJunkAreTolerated) {
    const QByteArray noEnd = redOnWindow().rectangle(0, 0, 50, 50).finish(2, QRect(), 1440, false);
    EXPECT_EQ(render(noEnd).pixel(25, 25), kRed);
    const QByteArray junk =
        redOnWindow().rectangle(0, 0, 50, 50).finish(2) + QByteArray(37, '\x7f');
    EXPECT_EQ(render(junk).pixel(25, 25), kRed);
    // A record claiming to be longer than the file ends playback there.
    QByteArray overlong = redOnWindow().finish(2, QRect(), 1440, false);
    overlong += QByteArray::fromHex("ffff00001b04");
    EXPECT_EQ(render(overlong).pixel(25, 25), kWhite);
}

TEST(WmfDamage, FaceNamesThatAreNoFamilyStillMeasure) {
    // No window and no placeable header: the picture is measured by recording it,
    // which once crashed on a face name Qt reads as an empty family list.
    for (const QByteArray& face : {QByteArray(), QByteArray(","), QByteArray("\"'")}) {
        WmfWriter w;
        w.font(-20, face).select(0).extTextOut(10, 10, "Hi");
        const auto picture = Metafile::load(w.finish(1));
        ASSERT_NE(picture, nullptr);
        EXPECT_GT(picture->sizeTwips().width(), 0);
    }
}

TEST(WmfPlaceable, BoundsAndUnitsGiveTheSize) {
    const auto picture = Metafile::load(redOnWindow().finish(2, QRect(0, 0, 720, 360), 720));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->sizeTwips(), QSizeF(1440, 720));
}

} // namespace
