// Everything drawn larger on request. This program starts the way the program does: the scale
// is chosen before the QApplication exists, here from "--scale 2" over a settings file that
// says 3.
#include "ActivityFixture.h"

#include "WmfWriter.h"
#include "platform/Accessibility.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "program/DisplayScale.h"
#include "shell/Glossary.h"
#include "wmf/Metafile.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

TEST(ScaleChoiceTest, TheCommandLineComesBeforeTheSettingsFile) {
    const QByteArray settings("; drawn larger for the projector\n[General]\nScale = 2.5\n");
    const QStringList none{QStringLiteral("velmora")};
    EXPECT_EQ(chooseScale(none, settings).factor, 2.5);
    EXPECT_EQ(
        chooseScale(none + QStringList{QStringLiteral("--scale"), QStringLiteral("3")}, settings)
            .factor,
        3);
    EXPECT_EQ(chooseScale(none + QStringList{QStringLiteral("--scale=1.5")}, settings).factor, 1.5);
    const ScaleChoice plain = chooseScale(none, QByteArray("# nothing\nsound=on\n"));
    EXPECT_EQ(plain.factor, 1);
    EXPECT_TRUE(plain.problem.isEmpty());
}

TEST(ScaleChoiceTest, OnlyOneToThreeIsTaken) {
    const QStringList none{QStringLiteral("velmora")};
    for (const char* bad : {"0.5", "3.01", "4", "-2", "two", "", "nan", "inf"}) {
        const ScaleChoice c = chooseScale(
            none + QStringList{QStringLiteral("--scale"), QString::fromLatin1(bad)}, {});
        EXPECT_EQ(c.factor, 1) << bad;
        EXPECT_FALSE(c.problem.isEmpty()) << bad;
    }
    const ScaleChoice missing = chooseScale(none + QStringList{QStringLiteral("--scale")}, {});
    EXPECT_EQ(missing.factor, 1);
    EXPECT_FALSE(missing.problem.isEmpty());
    EXPECT_EQ(parseScale(QStringLiteral(" 1 ")), 1.0);
    EXPECT_EQ(parseScale(QStringLiteral("3")), 3.0);
}

TEST(ScaleChoiceTest, QtDrawsTwiceAsLarge) {
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
}

using ScaleTest = ActivityTest;

TEST_F(ScaleTest, AWindowIsTwiceTheSizeInDevicePixels) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    EXPECT_EQ(w.size(), QSize(toPixels(11880), toPixels(8610))); // the same logical size
    EXPECT_EQ(w.devicePixelRatioF(), 2.0);
    const QPixmap drawn = w.grab();
    EXPECT_EQ(drawn.size(), 2 * w.size());
}

// The pointer at device pixels twice those of an unscaled screen: the same twips as there.
TEST_F(ScaleTest, ADragAtTheScaledPixelsLandsInTheSameTwips) {
    ActivityWindow& w = open(QString::fromLatin1(win::WordsLabelling));
    const qreal dpr = w.devicePixelRatioF();
    const auto logical = [dpr](QPoint device) { return (QPointF(device) / dpr).toPoint(); };
    Label& label = w.draggableLabels()[1];
    press(w, centreOf(label));
    moveTo(w, logical(QPoint(512, 508)));
    EXPECT_FLOAT_EQ(label.Left(), 2160 + 15 * (256 - 144) - 907.5f);
    EXPECT_FLOAT_EQ(label.Top(), 7200 + 15 * (254 - 480) - 307.5f);
    moveTo(w, logical(QPoint(654, 508)));
    release(w, logical(QPoint(654, 508)));
    EXPECT_FLOAT_EQ(label.Left(), 3840);
    EXPECT_FLOAT_EQ(label.Top(), 3480);
    EXPECT_EQ(thuds(), 1);
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                    std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha()) >
                24)
                ++count;
        }
    return count;
}

// A metafile page is played from its records at the larger size, not blown up from a small
// image: what is drawn matches the records played at twice the size, and differs from the
// unscaled drawing enlarged.
TEST(ScaleMetafileTest, APageIsDrawnFromItsRecordsAtTheLargerSize) {
    wmf::test::WmfWriter writer;
    writer.window(0, 0, 1440, 720).pen(0, 1, qRgb(0, 0, 0)).brush(1, 0, 0).select(0).select(1);
    writer.rectangle(40, 40, 1400, 680).rectangle(300, 300, 310, 500);
    writer.font(-160, "Arial").select(2).extTextOut(100, 100, "Velmora sharp");
    const PicturePtr page = wmf::decodePicture(writer.finish(3, QRect(0, 0, 1440, 720)));
    ASSERT_TRUE(page);

    Window window(QStringLiteral("page"));
    window.setClientSize(2000, 1000);
    auto& image = window.add<Image>(QString::fromLatin1(glossary::pages::PageBox));
    image.setPicture(page);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage drawn = image.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(drawn.size(), 2 * image.size());

    // The image shows the window through where the page draws nothing.
    const QColor behind = drawn.pixelColor(0, 0);
    QImage played(drawn.size(), QImage::Format_ARGB32);
    played.fill(behind);
    {
        QPainter painter(&played);
        painter.scale(2, 2);
        page->draw(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    QImage small(image.size(), QImage::Format_ARGB32);
    small.fill(behind);
    {
        QPainter painter(&small);
        page->draw(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    const QImage enlarged =
        small.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(differingPixels(drawn, played), drawn.width() * drawn.height() / 1000);
    EXPECT_GT(differingPixels(drawn, enlarged), 200);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QDir().mkpath(config.path() + QStringLiteral("/ancient-velmora"));
    QFile settings(config.path() + QStringLiteral("/ancient-velmora/settings.ini"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("scale=3\n") < 0) return 2;
    settings.close();
    char scale[] = "--scale";
    char two[] = "2";
    char* programArgs[] = {argv[0], scale, two};
    applyDisplayScale(3, programArgs);
    QApplication app(argc, argv);
    fonts::registerFaces();
    installAccessibility();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
