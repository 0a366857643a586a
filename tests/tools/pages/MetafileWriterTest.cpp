#include "Records.h"

#include "MetafileWriter.h"
#include "Sheet.h"
#include "Typeface.h"
#include "wmf/Metafile.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <map>
#include <uemf.h>

namespace av::pages::test {
namespace {

// Replays the object records the way a player keeps its table, and fails on any use of a slot
// that holds nothing or any deletion of an object a drawing state still has selected.
struct ObjectTable {
    std::map<int, int> kindOf; // slot -> creating record
    std::map<int, int> selected;
    std::vector<std::map<int, int>> saved;
    int peak = 0;

    void replay(const std::vector<MetaRecord>& records) {
        for (const MetaRecord& r : records) {
            if (r.function == CreatePen || r.function == CreateBrush || r.function == CreateFont) {
                int slot = 0;
                while (kindOf.count(slot))
                    ++slot;
                kindOf[slot] = r.function;
                peak = std::max(peak, int(kindOf.size()));
            } else if (r.function == SelectObject) {
                const int slot = r.word(0);
                ASSERT_TRUE(kindOf.count(slot)) << "select of empty slot " << slot;
                selected[kindOf[slot]] = slot;
            } else if (r.function == DeleteObject) {
                const int slot = r.word(0);
                ASSERT_TRUE(kindOf.count(slot)) << "delete of empty slot " << slot;
                for (const auto& state : saved)
                    for (const auto& [kind, s] : state)
                        ASSERT_NE(s, slot) << "saved state loses it";
                for (const auto& [kind, s] : selected)
                    ASSERT_NE(s, slot) << "still selected";
                kindOf.erase(slot);
            } else if (r.function == SaveDC) {
                saved.push_back(selected);
            } else if (r.function == RestoreDC) {
                ASSERT_FALSE(saved.empty());
                selected = saved.back();
                saved.pop_back();
            }
        }
    }
};

TEST(MetafileWriter, KeepsTheObjectTableTidyAcrossSavedStates) {
    MetafileWriter out(QSize(2000, 1000));
    out.pen(Qt::red, 10);
    out.brush(Qt::blue);
    out.font({QStringLiteral("Arial"), 200});
    out.rectangle(QRect(10, 10, 100, 100));
    out.saveDC();
    out.pen(Qt::green, 20);
    out.pen(Qt::black, 5);
    out.hatchBrush(Qt::black, U_HS_CROSS);
    out.ellipse(QRect(0, 0, 50, 50));
    out.saveDC();
    out.nullBrush();
    out.nullPen();
    out.restoreDC();
    out.restoreDC();
    out.brush(Qt::yellow);
    out.polygon(QPolygon({QPoint(0, 0), QPoint(10, 0), QPoint(5, 8)}));
    const QByteArray file = out.finish();

    bool complete = false;
    const auto records = readRecords(file, &complete);
    EXPECT_TRUE(complete);
    ObjectTable table;
    table.replay(records);
    // Only what is selected at the end may stay: one pen, one brush, one font.
    EXPECT_EQ(table.kindOf.size(), 3u);
    for (const auto& [slot, kind] : table.kindOf)
        EXPECT_EQ(table.selected[kind], slot);
    EXPECT_EQ(declaredObjects(file), table.peak);
    EXPECT_EQ(declaredSize(file), file.size() - 22);

    const PlaceableHeader h = readPlaceable(file);
    EXPECT_TRUE(h.magic);
    EXPECT_TRUE(h.checksumOk);
    EXPECT_EQ(QRect(h.left, h.top, h.right - h.left, h.bottom - h.top), QRect(0, 0, 2000, 1000));
    EXPECT_EQ(h.inch, 1440);
}

// Draws a 2 x 2 bitmap stretched over a whole picture and plays it back.
QImage playedBitmap(const QImage& bitmap) {
    MetafileWriter out(QSize(1440, 1440));
    out.stretchDib(QRect(0, 0, 1440, 1440), bitmap);
    const auto picture = wmf::decodePicture(out.finish());
    QImage shot(96, 96, QImage::Format_RGB32);
    shot.fill(Qt::black);
    if (!picture) return shot;
    QPainter p(&shot);
    picture->draw(p, QRectF(0, 0, 96, 96));
    return shot;
}

TEST(MetafileWriter, BitmapsKeepTheirColoursAndWayUp) {
    QImage rgb(2, 2, QImage::Format_RGB32);
    rgb.setPixel(0, 0, qRgb(255, 0, 0));
    rgb.setPixel(1, 0, qRgb(0, 255, 0));
    rgb.setPixel(0, 1, qRgb(0, 0, 255));
    rgb.setPixel(1, 1, qRgb(255, 255, 255));
    QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8);
    for (const QImage& bitmap : {rgb, indexed}) {
        const QImage shot = playedBitmap(bitmap);
        EXPECT_EQ(shot.pixel(20, 20), qRgb(255, 0, 0)) << bitmap.format();
        EXPECT_EQ(shot.pixel(70, 20), qRgb(0, 255, 0)) << bitmap.format();
        EXPECT_EQ(shot.pixel(20, 70), qRgb(0, 0, 255)) << bitmap.format();
        EXPECT_EQ(shot.pixel(70, 70), qRgb(255, 255, 255)) << bitmap.format();
    }
}

TEST(Sheet, TextIsPlacedByItsOwnAdvancesInTheCodePage) {
    Sheet sheet(QSize(5000, 1000));
    const WinFont font{QStringLiteral("Arial"), 240};
    const QString text = QStringLiteral("Layer \u2013 by layer");
    const int width = sheet.text(QPoint(100, 500), text, font, Qt::black);
    EXPECT_NEAR(width, Typeface(font).width(text), 2.0);
    EXPECT_EQ(sheet.text(QPoint(100, 800), QStringLiteral("\u4E2D"), font, Qt::black), 0);
    EXPECT_EQ(sheet.problems.size(), 1);

    bool complete = false;
    const auto records = readRecords(sheet.finish(), &complete);
    int texts = 0;
    for (const MetaRecord& r : records) {
        if (r.function != ExtTextOut) continue;
        ++texts;
        ASSERT_GE(r.body.size(), 8 + text.size());
        EXPECT_EQ(r.word(2), text.size());
        EXPECT_EQ(r.body.mid(8, text.size()), QByteArray("Layer \x96 by layer"));
    }
    EXPECT_EQ(texts, 1);
}

} // namespace
} // namespace av::pages::test
