#include "BuildFolders.h"
#include "Records.h"

#include "PageLayout.h"
#include "wmf/Metafile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace av::pages::test {
namespace {

const QString ProgramDir = built::programDir();

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct BuiltPage {
    QString stem;
    Medium medium;
    QString path() const {
        return ProgramDir +
               (medium == Medium::Screen ? QStringLiteral("/wmf/") : QStringLiteral("/wmf2/")) +
               stem + QStringLiteral(".wmf");
    }
};

std::vector<BuiltPage> builtPages() {
    std::vector<BuiltPage> pages;
    for (const PageSpec& spec : pageCatalogue())
        for (const Medium m : {Medium::Screen, Medium::Print})
            pages.push_back({spec.stem, m});
    return pages;
}

// A4 is 11906 x 16838 twips; the print copy goes at (1000, 1000) and keeps an inch clear on the
// far sides, which covers any printer's unprintable edge.
TEST(BuiltPages, EveryPageIsAPlaceableMetafileThatFitsItsPlace) {
    for (const BuiltPage& page : builtPages()) {
        SCOPED_TRACE(page.path().toStdString());
        const QByteArray file = readAll(page.path());
        ASSERT_FALSE(file.isEmpty());
        const PlaceableHeader h = readPlaceable(file);
        EXPECT_TRUE(h.magic);
        EXPECT_TRUE(h.checksumOk);
        EXPECT_EQ(h.inch, 1440);
        EXPECT_EQ(h.left, 0);
        EXPECT_EQ(h.top, 0);
        const int width = h.right - h.left, height = h.bottom - h.top;
        EXPECT_GT(width, 1440 * 4);
        EXPECT_GT(height, 1440 * 4);
        if (page.medium == Medium::Screen) {
            EXPECT_LE(120 + width, 10680) << "runs under the Print link";
            EXPECT_LE(height, 7920) << "runs under the bottom link row";
        } else {
            EXPECT_LE(1000 + width, 11906 - 1440);
            EXPECT_LE(1000 + height, 16838 - 1440);
        }
        bool complete = false;
        const auto records = readRecords(file, &complete);
        EXPECT_TRUE(complete) << "no end record at the end";
        EXPECT_EQ(declaredSize(file), file.size() - 22);
        EXPECT_GT(records.size(), 50u);
    }
}

// What each page is made of: Windows fonts, text with advances, and on some pages a bitmap.
TEST(BuiltPages, UseTheRecordsRealPagesUse) {
    int bitmaps = 0;
    for (const BuiltPage& page : builtPages()) {
        SCOPED_TRACE(page.path().toStdString());
        bool complete = false;
        const auto records = readRecords(readAll(page.path()), &complete);
        int texts = 0;
        for (const MetaRecord& r : records) {
            if (r.function == ExtTextOut) ++texts;
            if (r.function == StretchDib) ++bitmaps;
            if (r.function != CreateFont) continue;
            const QString face = QString::fromLatin1(r.body.mid(18).constData());
            EXPECT_TRUE(face == QLatin1String("Times New Roman") ||
                        face == QLatin1String("Arial") || face == QLatin1String("Tahoma"))
                << face.toStdString();
        }
        EXPECT_GT(texts, 10);
    }
    EXPECT_GT(bitmaps, 4);
}

// Each screen page drawn where the viewer draws it, over a marker colour: the page must show,
// and the places of the Print link and the bottom row must still show the marker.
TEST(BuiltPages, ScreenPagesDrawAndLeaveTheLinksClear) {
    const QRgb marker = qRgb(1, 2, 3);
    for (const PageSpec& spec : pageCatalogue()) {
        SCOPED_TRACE(spec.stem.toStdString());
        const auto picture =
            wmf::decodePicture(readAll(BuiltPage{spec.stem, Medium::Screen}.path()));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->sizeTwips(), QSizeF(ScreenWidth, ScreenHeight));
        QImage client(792, 574, QImage::Format_RGB32); // 11880 x 8610 twips
        client.fill(marker);
        {
            QPainter p(&client);
            picture->draw(p, QRectF(QPointF(8, 0), picture->sizeTwips() / 15.0));
        }
        int covered = 0;
        for (int y = 0; y < client.height(); ++y)
            for (int x = 0; x < client.width(); ++x) {
                const bool clearZone = y >= 528 || (x >= 712 && y < 41);
                const bool drawn = client.pixel(x, y) != marker;
                if (clearZone) {
                    ASSERT_FALSE(drawn) << "at " << x << "," << y;
                }
                covered += drawn;
            }
        EXPECT_GT(covered, 792 * 500 / 2);
    }
}

TEST(BuiltPages, PrintPagesDrawAtTheirSize) {
    for (const PageSpec& spec : pageCatalogue()) {
        SCOPED_TRACE(spec.stem.toStdString());
        const auto picture =
            wmf::decodePicture(readAll(BuiltPage{spec.stem, Medium::Print}.path()));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->sizeTwips(), QSizeF(PrintWidth, PrintHeight));
        QImage paper(624, 933, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter p(&paper);
        picture->draw(p, QRectF(0, 0, 624, 933));
        p.end();
        int inked = 0;
        for (int y = 0; y < paper.height(); y += 2)
            for (int x = 0; x < paper.width(); x += 2)
                inked += paper.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_GT(inked, 624 * 933 / 4 / 10);
    }
}

} // namespace
} // namespace av::pages::test
