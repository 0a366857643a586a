#include "BuildFolders.h"
#include "EventWait.h"
#include "PagePixels.h"

#include "platform/DrawnCopies.h"
#include "platform/KeptPicture.h"
#include "platform/PackedImage.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "platform/Twips.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace av;
using av::test::differingPixels;

namespace {

const QColor WindowBlue(0, 78, 152);

QImage canvas(QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(WindowBlue);
    return image;
}

class KeptPageTest : public ::testing::TestWithParam<qreal> {
  protected:
    ProgramFolder folder{built::programDir()};
    FilePictureService pictures{folder};
};

// Drawn from its copy, a page must look exactly as when its records are played, at any pixel
// ratio; and the second paint must come from the copy, not from the records.
TEST_P(KeptPageTest, APageFromItsCopyLooksAsItsRecordsDrawIt) {
    const qreal ratio = GetParam();
    for (const char* page :
         {"wmf\\key pyramidsa.wmf", "wmf\\guide2.wmf", "wmf\\acknowledgments.wmf"}) {
        SCOPED_TRACE(page);
        const PicturePtr picture = pictures.load(QString::fromLatin1(page));
        const auto* kept = dynamic_cast<const KeptPicture*>(picture.get());
        ASSERT_NE(kept, nullptr) << "screen pages are kept once drawn";
        const QSizeF px = picture->sizeTwips() / TwipsPerPixel;
        const QRectF target(QPointF(8, 0), px);
        const QSize size = (px + QSizeF(16, 0)).toSize();

        QImage played = canvas(size, ratio);
        {
            QPainter p(&played);
            kept->original().draw(p, target);
        }
        QImage first = canvas(size, ratio), again = canvas(size, ratio);
        {
            QPainter p(&first);
            picture->drawOnScreen(p, target);
        }
        const qsizetype bytes = pictures.drawnCopies().bytes();
        EXPECT_GE(bytes, qsizetype(px.width() * px.height() * ratio * ratio * 4));
        {
            QPainter p(&again);
            pictures.load(QString::fromLatin1(page))->drawOnScreen(p, target);
        }
        EXPECT_EQ(pictures.drawnCopies().bytes(), bytes) << "a second paint draws nothing anew";
        EXPECT_EQ(differingPixels(first, played), 0);
        EXPECT_EQ(differingPixels(again, played), 0);
        EXPECT_NE(differingPixels(played, canvas(size, ratio)), 0) << "the page drew something";
    }
}

INSTANTIATE_TEST_SUITE_P(PixelRatios, KeptPageTest, ::testing::Values(1.0, 2.0));

// A page drawn ahead comes back packed, a fraction of its size, and paints exactly as its
// records draw it.
TEST_P(KeptPageTest, APageDrawnAheadIsKeptPackedAndPaintsTheSame) {
    const qreal ratio = GetParam();
    const PicturePtr picture = pictures.load(QStringLiteral("wmf\\key pyramidsb.wmf"));
    const QSizeF px = picture->sizeTwips() / TwipsPerPixel;
    const qsizetype whole = qsizetype(px.width() * px.height() * ratio * ratio * 4);
    picture->prepareOnScreen(px, ratio);
    ASSERT_TRUE(test::runUntil([&] { return pictures.drawnCopies().drawing() == 0; }, 10000));
    EXPECT_EQ(pictures.drawnCopies().count(), 1);
    EXPECT_LT(pictures.drawnCopies().bytes(), whole / 5) << "kept packed";

    const QRectF target(QPointF(0, 0), px);
    QImage played = canvas(px.toSize(), ratio), shown = canvas(px.toSize(), ratio);
    {
        QPainter p(&played);
        dynamic_cast<const KeptPicture&>(*picture).original().draw(p, target);
    }
    {
        QPainter p(&shown);
        EXPECT_TRUE(picture->paintOnScreen(p, target, {})) << "painted at once, not drawn anew";
    }
    EXPECT_EQ(differingPixels(shown, played), 0);
    EXPECT_GE(pictures.drawnCopies().bytes(), whole) << "the page on show is held whole";
}

QImage stripes(QColor colour) {
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    for (int y = 0; y < 100; y += 10)
        p.fillRect(0, y, 100, 4, colour);
    return image;
}

PicturePtr stripedPicture(QColor colour) {
    return std::make_shared<RasterPicture>(stripes(colour));
}

const QSize StripeSize(100, 100);

void drawAhead(DrawnCopies& copies, const char* key, QColor colour = Qt::red) {
    copies.drawLater(QString::fromLatin1(key), stripedPicture(colour), QSizeF(StripeSize), 1,
                     false);
    ASSERT_TRUE(test::runUntil([&] { return copies.drawing() == 0; }));
}

// One copy is held whole, the one on show; those drawn ahead are packed until one is wanted. A
// copy drawn whole for a window, with nothing packed behind it, goes once another is shown.
TEST(DrawnCopies, OnlyTheCopyOnShowIsHeldWhole) {
    DrawnCopies copies(1 << 20);
    const QImage shown = stripes(Qt::blue);
    copies.keep(QStringLiteral("on show"), shown);
    EXPECT_EQ(copies.bytes(), shown.sizeInBytes());
    drawAhead(copies, "ahead", Qt::red);
    EXPECT_EQ(copies.count(), 2);
    EXPECT_LT(copies.bytes(), shown.sizeInBytes() * 5 / 4) << "the copy drawn ahead is packed";
    EXPECT_TRUE(copies.has(QStringLiteral("on show"), StripeSize, 1));
    EXPECT_FALSE(copies.has(QStringLiteral("on show"), StripeSize, 2))
        << "another pixel ratio needs its own drawing";

    const QImage ahead = copies.find(QStringLiteral("ahead"), StripeSize, 1);
    EXPECT_EQ(differingPixels(ahead, stripes(Qt::red)), 0) << "unpacked as it was drawn";
    EXPECT_TRUE(copies.find(QStringLiteral("on show"), StripeSize, 1).isNull());
    EXPECT_EQ(copies.count(), 1);
    EXPECT_LT(copies.bytes(), ahead.sizeInBytes() * 5 / 4);
}

// Past the budget, the packed copies least recently wanted go; never the copy on show, nor one
// just drawn, which a window may be waiting for.
TEST(DrawnCopies, PackedCopiesLeastWantedGoFirstButNeverTheOneOnShow) {
    const qsizetype packed = PackedImage::pack(stripes(Qt::red)).bytes();
    DrawnCopies copies(packed * 5 / 2); // two packed copies and a half
    drawAhead(copies, "a");
    drawAhead(copies, "b");
    ASSERT_FALSE(copies.find(QStringLiteral("a"), StripeSize, 1).isNull());
    drawAhead(copies, "c");
    EXPECT_TRUE(copies.has(QStringLiteral("a"), StripeSize, 1)) << "on show";
    EXPECT_FALSE(copies.has(QStringLiteral("b"), StripeSize, 1)) << "least recently wanted";
    EXPECT_TRUE(copies.has(QStringLiteral("c"), StripeSize, 1));

    DrawnCopies tiny(10);
    drawAhead(tiny, "first");
    drawAhead(tiny, "second");
    EXPECT_EQ(tiny.count(), 1) << "the copy just drawn stays even over the budget";
    EXPECT_TRUE(tiny.has(QStringLiteral("second"), StripeSize, 1));
}

// A screen that shows no pages keeps only those it names; one still drawing is kept when it
// comes back.
TEST(DrawnCopies, KeepOnlyLetsGoOfEveryOtherCopy) {
    DrawnCopies copies(1 << 20);
    drawAhead(copies, "first page");
    drawAhead(copies, "third page");
    copies.keep(QStringLiteral("on show"), stripes(Qt::blue));
    copies.drawLater(QStringLiteral("on its way"), stripedPicture(Qt::green), QSizeF(StripeSize), 1,
                     false);
    copies.keepOnly({QStringLiteral("first page")});
    EXPECT_EQ(copies.count(), 1);
    EXPECT_TRUE(copies.has(QStringLiteral("first page"), StripeSize, 1));
    ASSERT_TRUE(test::runUntil([&] { return copies.drawing() == 0; }));
    EXPECT_TRUE(copies.has(QStringLiteral("on its way"), StripeSize, 1));
}

TEST(PackedImage, UnpacksToTheSamePixelsSizeAndRatio) {
    QImage page = stripes(Qt::darkGreen);
    page.setDevicePixelRatio(2);
    const PackedImage packed = PackedImage::pack(page);
    EXPECT_LT(packed.bytes(), page.sizeInBytes() / 4);
    const QImage back = packed.unpack();
    EXPECT_EQ(back.size(), page.size());
    EXPECT_EQ(back.format(), page.format());
    EXPECT_EQ(back.devicePixelRatio(), 2);
    EXPECT_EQ(differingPixels(back, page), 0);
    EXPECT_TRUE(PackedImage().unpack().isNull());
    EXPECT_TRUE(PackedImage::pack(QImage()).isNull());
}

// The page on show before gives its pixels to the one unpacked, unless something else still
// holds them: that holder's pixels must stay as they were.
TEST(PackedImage, UnpacksIntoASpareOnlyWhenNothingElseHoldsIt) {
    const QImage page = stripes(Qt::darkGreen);
    const PackedImage packed = PackedImage::pack(page);
    QImage spare = stripes(Qt::red);
    const uchar* pixels = spare.constBits();
    const QImage reused = packed.unpack(std::move(spare));
    EXPECT_EQ(reused.constBits(), pixels);
    EXPECT_EQ(differingPixels(reused, page), 0);

    QImage held = stripes(Qt::red);
    const QImage holder = held;
    const QImage fresh = packed.unpack(held);
    EXPECT_NE(fresh.constBits(), holder.constBits());
    EXPECT_EQ(differingPixels(fresh, page), 0);
    EXPECT_EQ(differingPixels(holder, stripes(Qt::red)), 0) << "the holder's pixels were written";
    EXPECT_EQ(differingPixels(packed.unpack(QImage(50, 50, page.format())), page), 0)
        << "a spare of another size is not used";
}

TEST(DrawnCopies, APageFileThatChangesIsDrawnAnew) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("wmf"));
    const QString source = built::programDir() + QStringLiteral("/wmf/");
    const QString copy = dir.path() + QStringLiteral("/wmf/page.wmf");
    ASSERT_TRUE(QFile::copy(source + QStringLiteral("key wordsa.wmf"), copy));
    ProgramFolder folder(dir.path());
    FilePictureService pictures(folder);
    QImage target(800, 600, QImage::Format_ARGB32_Premultiplied);
    auto paint = [&] {
        target.fill(Qt::white);
        QPainter p(&target);
        pictures.load(QStringLiteral("wmf\\page.wmf"))->drawOnScreen(p, QRectF(0, 0, 700, 500));
    };
    paint();
    const QImage before = target.copy();
    ASSERT_EQ(pictures.drawnCopies().count(), 1);
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(source + QStringLiteral("key wordsb.wmf"), copy));
    paint();
    EXPECT_NE(differingPixels(target, before), 0) << "the new page is shown, not the old copy";
}

} // namespace
