#include "EventWait.h"
#include "PagePixels.h"

#include "platform/DrawnCopies.h"
#include "platform/KeptPicture.h"
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
    ProgramFolder folder{QStringLiteral(VELMORA_PROGRAM_DIR)};
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

TEST(DrawnCopies, KeepsOneCopyAPictureAndDropsTheLeastRecentOverBudget) {
    const QImage page(100, 100, QImage::Format_ARGB32_Premultiplied); // 40,000 bytes
    DrawnCopies copies(80'000);
    copies.keep(QStringLiteral("a"), page);
    copies.keep(QStringLiteral("b"), page);
    copies.keep(QStringLiteral("a"), page.scaled(50, 50));
    EXPECT_EQ(copies.count(), 2) << "a new size replaces a picture's copy";
    EXPECT_TRUE(copies.find(QStringLiteral("a"), QSize(100, 100), 1).isNull());
    EXPECT_FALSE(copies.find(QStringLiteral("b"), QSize(100, 100), 1).isNull());
    EXPECT_TRUE(copies.find(QStringLiteral("b"), QSize(100, 100), 2).isNull())
        << "another pixel ratio needs its own drawing";
    copies.keep(QStringLiteral("c"), page); // "a" is now the least recently used
    EXPECT_TRUE(copies.find(QStringLiteral("a"), QSize(50, 50), 1).isNull());
    EXPECT_FALSE(copies.find(QStringLiteral("c"), QSize(100, 100), 1).isNull());
    EXPECT_LE(copies.bytes(), 80'000);

    DrawnCopies tiny(10);
    tiny.keep(QStringLiteral("big"), page);
    EXPECT_EQ(tiny.count(), 1) << "the copy on show stays even over the budget";
}

// Pages drawn ahead come back after the page on show was painted; they push out each other or
// pages not painted since, never the page on show.
TEST(DrawnCopies, CopiesDrawnAheadNeverPushOutTheCopyOnShow) {
    QImage square(100, 100, QImage::Format_ARGB32_Premultiplied); // 40,000 bytes a copy
    square.fill(Qt::red);
    const auto picture = std::make_shared<RasterPicture>(square);
    const QSizeF size = picture->sizeTwips() / TwipsPerPixel;
    DrawnCopies copies(80'000);
    copies.drawLater(QStringLiteral("ahead 1"), picture, size, 1, false);
    copies.drawLater(QStringLiteral("ahead 2"), picture, size, 1, false);
    copies.keep(QStringLiteral("on show"), square);
    ASSERT_FALSE(copies.find(QStringLiteral("on show"), square.size(), 1).isNull());
    ASSERT_TRUE(test::runUntil([&] { return copies.drawing() == 0; }));
    EXPECT_FALSE(copies.find(QStringLiteral("on show"), square.size(), 1).isNull());
    EXPECT_FALSE(copies.find(QStringLiteral("ahead 2"), square.size(), 1).isNull());
    EXPECT_TRUE(copies.find(QStringLiteral("ahead 1"), square.size(), 1).isNull());
    EXPECT_EQ(copies.count(), 2);
}

TEST(DrawnCopies, APageFileThatChangesIsDrawnAnew) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("wmf"));
    const QString source = QStringLiteral(VELMORA_PROGRAM_DIR "/wmf/");
    const QString copy = dir.path() + QStringLiteral("/wmf/page.wmf");
    ASSERT_TRUE(QFile::copy(source + QStringLiteral("key wordsa.wmf"), copy));
    ProgramFolder folder(dir.path());
    FilePictureService pictures(folder);
    QImage target(800, 600, QImage::Format_ARGB32_Premultiplied);
    auto paint = [&] {
        QPainter p(&target);
        pictures.load(QStringLiteral("wmf\\page.wmf"))->drawOnScreen(p, QRectF(0, 0, 700, 500));
    };
    paint();
    ASSERT_EQ(pictures.drawnCopies().count(), 1);
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(source + QStringLiteral("key wordsb.wmf"), copy));
    paint();
    EXPECT_EQ(pictures.drawnCopies().count(), 2);
}

} // namespace
