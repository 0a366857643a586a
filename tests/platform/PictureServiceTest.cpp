#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "platform/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

    const QString corpus = QStringLiteral(VELMORA_SHARED_DIR "/wmf-corpus/imagemagick-clock.wmf");
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

} // namespace
