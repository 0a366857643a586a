#include "BuildFolders.h"
#include "platform/PictureBox.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

using namespace av;

namespace {

RuntimeError::Code failure(FilePictureService& pictures, const QString& path) {
    try {
        pictures.load(path);
    } catch (const RuntimeError& e) {
        return e.code();
    }
    return RuntimeError::Code{};
}

TEST(FilePictureService, RasterAndMetafilePicturesAtTheirOwnSize) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Images"));
    QImage image(250, 118, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(dir.path() + QStringLiteral("/Images/sum1.jpg")));
    ProgramFolder folder(dir.path());
    FilePictureService pictures(folder);

    const PicturePtr sum = pictures.load(QStringLiteral("images\\sum1.jpg"));
    EXPECT_EQ(sum->sizeTwips(), QSizeF(3750, 1770));

    const QString corpus = built::sharedDir() + QStringLiteral("/wmf-corpus/imagemagick-clock.wmf");
    if (!QFile::exists(corpus)) GTEST_SKIP() << "the metafile corpus is not beside the project";
    QFile::copy(corpus, dir.path() + QStringLiteral("/Images/clock.wmf"));
    const PicturePtr clock = pictures.load(QStringLiteral("Images/clock.wmf"));
    ASSERT_NE(clock, nullptr);
    EXPECT_GT(clock->sizeTwips().width(), 0);
}

TEST(FilePictureService, MissingOrDamagedFilesAreTrappableFailures) {
    QTemporaryDir dir;
    QFile junk(dir.path() + QStringLiteral("/junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    QFile badMetafile(dir.path() + QStringLiteral("/bad.wmf"));
    ASSERT_TRUE(badMetafile.open(QIODevice::WriteOnly));
    badMetafile.write(QByteArray::fromHex("d7cdc69a0000"));
    badMetafile.close();
    ProgramFolder folder(dir.path());
    FilePictureService pictures(folder);
    EXPECT_EQ(failure(pictures, QStringLiteral("nothing.jpg")), RuntimeError::FileNotFound);
    EXPECT_EQ(failure(pictures, QStringLiteral("junk.jpg")), RuntimeError::InvalidPicture);
    EXPECT_EQ(failure(pictures, QStringLiteral("bad.wmf")), RuntimeError::InvalidPicture);
}

// A picture decoded ahead on another thread is the same picture a plain load gives, and a
// prefetch of a file that is missing or no picture fails only when the file is loaded.
TEST(FilePictureService, PrefetchedPicturesLoadAsAnyOther) {
    QTemporaryDir dir;
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    ASSERT_TRUE(image.save(dir.path() + QStringLiteral("/title.jpg")));
    QFile junk(dir.path() + QStringLiteral("/junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("no picture");
    junk.close();
    ProgramFolder folder(dir.path());
    FilePictureService ahead(folder), plain(folder);
    for (const char* name : {"title.jpg", "junk.jpg", "nothing.jpg"})
        ahead.prefetch(QString::fromLatin1(name));

    const auto first =
        std::dynamic_pointer_cast<const RasterPicture>(ahead.load(QStringLiteral("title.jpg")));
    const auto second =
        std::dynamic_pointer_cast<const RasterPicture>(plain.load(QStringLiteral("title.jpg")));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->image(), second->image());
    EXPECT_NE(ahead.load(QStringLiteral("title.jpg")), nullptr) << "a second load reads again";
    EXPECT_EQ(failure(ahead, QStringLiteral("junk.jpg")), RuntimeError::InvalidPicture);
    EXPECT_EQ(failure(ahead, QStringLiteral("nothing.jpg")), RuntimeError::FileNotFound);
}

// A picture decoded ahead for a box is the one a load for that box decodes; it is kept while
// its holder lives (the file may go meanwhile) and let go once the holder has gone.
TEST(FilePictureService, PicturesDecodedAheadServeTheirLoadUntilTheirHolderGoes) {
    QTemporaryDir dir;
    QImage image(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    for (const char* name : {"kept.jpg", "orphan.jpg", "other.jpg"})
        ASSERT_TRUE(image.save(dir.path() + QLatin1Char('/') + QLatin1String(name)));
    ProgramFolder folder(dir.path());
    FilePictureService ahead(folder), plain(folder);
    const QSize box(150, 120);
    auto holder = std::make_unique<QObject>();
    QObject otherHolder;
    ahead.decodeAhead(QStringLiteral("kept.jpg"), box, false, holder.get());
    ahead.decodeAhead(QStringLiteral("orphan.jpg"), box, false, holder.get());
    ahead.decodeAhead(QStringLiteral("other.jpg"), box, true, &otherHolder);
    for (const char* name : {"kept.jpg", "orphan.jpg", "other.jpg"})
        while (!ahead.decodedAhead(QString::fromLatin1(name)))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto pixels = [](const PicturePtr& picture) {
        return dynamic_cast<const RasterPicture&>(*picture).image();
    };

    const QImage wanted = pixels(plain.loadFitting(QStringLiteral("kept.jpg"), box, false));
    ASSERT_TRUE(QFile::remove(dir.path() + QStringLiteral("/kept.jpg")));
    EXPECT_EQ(pixels(ahead.loadFitting(QStringLiteral("kept.jpg"), box, false)), wanted);

    // Asked for another box, the picture is decoded afresh for it.
    const QImage refitted = pixels(ahead.loadFitting(QStringLiteral("other.jpg"), box, false));
    EXPECT_EQ(refitted, wanted);

    ASSERT_TRUE(QFile::remove(dir.path() + QStringLiteral("/orphan.jpg")));
    holder.reset();
    try {
        ahead.loadFitting(QStringLiteral("orphan.jpg"), box, false);
        ADD_FAILURE() << "a picture whose holder has gone was still kept";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::FileNotFound);
    }
}

} // namespace

namespace {

// A photo of the given size whose colour changes across it, so JPEG has real work to do.
void writePhoto(const QString& path, QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb(x * 255 / size.width(), y * 255 / size.height(), (x ^ y) & 0xFF);
    }
    ASSERT_TRUE(photo.save(path, "JPEG", 85));
}

const QImage& pixelsOf(const PictureBox& box) {
    return dynamic_cast<const RasterPicture&>(*box.picture()).image();
}

TEST(FilePictureService, OversizedPhotosAreDecodedAtTheSizeOfTheirBox) {
    QTemporaryDir dir;
    writePhoto(dir.path() + QStringLiteral("/photo.jpg"), QSize(3000, 2000));
    writePhoto(dir.path() + QStringLiteral("/small.jpg"), QSize(250, 118));
    ProgramFolder folder(dir.path());
    FilePictureService pictures(folder);
    QWidget window;
    window.resize(800, 600);

    // An image takes the picture's own size; only the part up to its window's edges is
    // decoded, cut off there, never scaled down.
    Image image(&window);
    image.move(8, 0);
    image.loadPicture(pictures, QStringLiteral("photo.jpg"));
    EXPECT_EQ(image.size(), QSize(3000, 2000));
    EXPECT_EQ(pixelsOf(image).size(), QSize(792, 600));
    const QColor imageCorner = pixelsOf(image).pixelColor(0, 0);
    EXPECT_LT(imageCorner.red() + imageCorner.green(), 40) << "the photo's own top-left corner";
    const QColor farEdge = pixelsOf(image).pixelColor(791, 599);
    EXPECT_LT(farEdge.red(), 100) << "the photo's part at its own size, not all of it shrunk";
    image.loadPicture(pictures, QStringLiteral("small.jpg"));
    EXPECT_EQ(pixelsOf(image).size(), QSize(250, 118)) << "pictures that fit are as they were";
    EXPECT_EQ(image.size(), QSize(250, 118));

    // A picture box shows the top-left of a picture at its own size; only that is decoded.
    PicturePanel panel(&window);
    panel.resize(120, 90);
    panel.loadPicture(pictures, QStringLiteral("photo.jpg"));
    EXPECT_EQ(pixelsOf(panel).size(), QSize(120, 90));
    const QColor corner = pixelsOf(panel).pixelColor(0, 0);
    EXPECT_LT(corner.red() + corner.green(), 40) << "the photo's own top-left corner";
}

// A PNG is decoded scaled, but only cropped once decoded whole: one whose whole decode is over
// the budget is refused as a damaged picture would be, before any pixel is decoded, while it
// still shows scaled where that is what its box does.
TEST(FilePictureService, APictureTooBigToDecodeWithinTheBudgetIsRefused) {
    QTemporaryDir dir;
    QImage huge(3000, 3000, QImage::Format_RGB32); // 36 MB decoded
    huge.fill(QColor(200, 120, 40));
    ASSERT_TRUE(huge.save(dir.path() + QStringLiteral("/huge.jpg"), "PNG")); // named as before
    huge = QImage();
    ProgramFolder folder(dir.path());
    FilePictureService pictures(folder);
    EXPECT_EQ(failure(pictures, QStringLiteral("huge.jpg")), RuntimeError::InvalidPicture);
    try {
        pictures.loadFitting(QStringLiteral("huge.jpg"), QSize(120, 90), true);
        ADD_FAILURE() << "a PNG over the budget was decoded to be cropped";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code(), RuntimeError::InvalidPicture);
    }
    const auto scaled = std::dynamic_pointer_cast<const RasterPicture>(
        pictures.loadFitting(QStringLiteral("huge.jpg"), QSize(300, 200), false));
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->image().size(), QSize(200, 200));
}

} // namespace
