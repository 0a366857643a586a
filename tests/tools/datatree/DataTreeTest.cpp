#include "DataTree.h"
#include "WaveReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace av::datatree {
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pixel sizes are the twip boxes each screen lays the picture out in, at 15 twips a pixel.
const std::map<QString, QSize>& expectedPictures() {
    static const std::map<QString, QSize> pictures = {
        {QStringLiteral("sphinx2sm.jpg"), {364, 244}},
        {QStringLiteral("sphinxsm.jpg"), {320, 240}},
        {QStringLiteral("memnonsm.jpg"), {320, 240}},
        {QStringLiteral("pyramids.jpg"), {320, 240}},
        {QStringLiteral("hieroglyphs.jpg"), {320, 240}},
        {QStringLiteral("pyramidssm.jpg"), {57, 41}},
        {QStringLiteral("hieroglyphs2sm.jpg"), {57, 41}},
        {QStringLiteral("s8.jpg"), {800, 574}},
        {QStringLiteral("numerals.jpg"), {400, 192}},
        {QStringLiteral("sum1.jpg"), {250, 118}},
        {QStringLiteral("sum2.jpg"), {250, 173}},
        {QStringLiteral("sum3.jpg"), {250, 126}},
        {QStringLiteral("sum4.jpg"), {250, 156}},
    };
    return pictures;
}

const std::set<QString>& expectedSounds() {
    static const std::set<QString> sounds = [] {
        std::set<QString> names;
        for (const char* n :
             {"click", "typekey", "thud3", "fanf2", "fanf3", "crowd", "cheer2", "klaxon", "flute",
              "gong", "clap2", "clap3", "drumroll", "laser2", "whizz", "clown"})
            names.insert(QString::fromLatin1(n) + QStringLiteral(".wav"));
        return names;
    }();
    return sounds;
}

std::set<QString> filesIn(const QString& dir) {
    std::set<QString> names;
    for (const QString& n : QDir(dir).entryList(QDir::Files))
        names.insert(n);
    return names;
}

class DataTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        ASSERT_EQ(writeDataTree(dir_->path()), QStringList());
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static QString path(const char* folder, const QString& name) {
        return QDir(dir_->path()).filePath(QString::fromLatin1(folder) + QLatin1Char('/') + name);
    }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> DataTree::dir_;

TEST_F(DataTree, WritesExactlyTheNamedPicturesAndSounds) {
    std::set<QString> pictures;
    for (const auto& entry : expectedPictures())
        pictures.insert(entry.first);
    EXPECT_EQ(filesIn(QDir(dir_->path()).filePath(QStringLiteral("Images"))), pictures);
    EXPECT_EQ(filesIn(QDir(dir_->path()).filePath(QStringLiteral("wav"))), expectedSounds());
}

TEST_F(DataTree, EachPictureIsAJpegAtItsLaidOutSizeWithRealContent) {
    for (const auto& [name, size] : expectedPictures()) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = readAll(path("Images", name));
        ASSERT_TRUE(bytes.startsWith("\xff\xd8\xff")) << "not a JPEG";
        QImage image;
        ASSERT_TRUE(image.loadFromData(bytes));
        EXPECT_EQ(image.size(), size);
        // A drawing, not a blank or flat box: many colours and a real spread of brightness.
        std::set<QRgb> colours;
        double sum = 0, sumSquares = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                colours.insert(c & 0xf0f0f0);
                const double grey = qGray(c);
                sum += grey;
                sumSquares += grey * grey;
            }
        const double n = double(image.width()) * image.height();
        const double spread = std::sqrt(sumSquares / n - (sum / n) * (sum / n));
        EXPECT_GT(colours.size(), 40u);
        EXPECT_GT(spread, 20.0);
    }
}

TEST_F(DataTree, EachSoundIsShortAudibleUnclippedSixteenBitMono) {
    for (const QString& name : expectedSounds()) {
        SCOPED_TRACE(name.toStdString());
        const test::WaveInfo wave = test::readWave(readAll(path("wav", name)));
        ASSERT_TRUE(wave.valid);
        EXPECT_EQ(wave.format, 1); // integer PCM: the player rejects float samples
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bitsPerSample, 16);
        EXPECT_GE(wave.seconds(), 0.1);
        EXPECT_LE(wave.seconds(), 3.0);
        int peak = 0;
        double energy = 0;
        int atLimit = 0;
        for (std::int16_t s : wave.samples) {
            peak = std::max(peak, std::abs(int(s)));
            energy += double(s) * s;
            atLimit += std::abs(int(s)) >= 32767;
        }
        EXPECT_GT(peak, 8000) << "too quiet to hear";
        EXPECT_EQ(atLimit, 0) << "clipped";
        EXPECT_GT(std::sqrt(energy / double(wave.samples.size())), 300.0);
    }
}

TEST_F(DataTree, EveryRunWritesTheSameBytes) {
    QTemporaryDir second;
    ASSERT_TRUE(second.isValid());
    ASSERT_EQ(writeDataTree(second.path()), QStringList());
    for (const char* folder : {"Images", "wav"}) {
        const QString ours = QDir(dir_->path()).filePath(QString::fromLatin1(folder));
        const QString theirs = QDir(second.path()).filePath(QString::fromLatin1(folder));
        ASSERT_EQ(filesIn(ours), filesIn(theirs));
        for (const QString& name : filesIn(ours))
            EXPECT_TRUE(readAll(QDir(ours).filePath(name)) == readAll(QDir(theirs).filePath(name)))
                << folder << "/" << name.toStdString();
    }
}

TEST_F(DataTree, RewritingLeavesUnchangedFilesUntouched) {
    const QString probe = path("wav", QStringLiteral("gong.wav"));
    const QDateTime before = QFileInfo(probe).lastModified();
    EXPECT_EQ(writeDataTree(dir_->path()), QStringList());
    EXPECT_EQ(QFileInfo(probe).lastModified(), before);
}

TEST(DataTreeFailure, ReportsAFolderItCannotCreate) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString blocker = QDir(dir.path()).filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(writeDataTree(blocker).isEmpty());
}

} // namespace
} // namespace av::datatree
