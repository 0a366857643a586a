// A page's words as assistive technology gets them, read from the page's text records.
#include "WmfWriter.h"
#include "wmf/Metafile.h"

#include <gtest/gtest.h>

namespace {

using av::wmf::Metafile;
using av::wmf::test::WmfWriter;

TEST(WmfText, APageIsReadInReadingOrderWhateverOrderItWasDrawnIn) {
    WmfWriter w;
    w.window(0, 0, 1000, 1000);
    w.font(-20, "Arial").select(0);
    // The second line first, and the first line's right half before its left half.
    w.extTextOut(100, 300, "stone blocks.");
    w.extTextOut(500, 200, "built of");
    w.extTextOut(100, 200, "Pyramids were");
    w.extTextOut(100, 900, "Page 1");
    // The title, in the largest type, drawn last and below a line in small type.
    w.font(-10, "Arial").select(1);
    w.extTextOut(100, 20, "Key Facts");
    w.font(-60, "Arial").select(2);
    w.extTextOut(100, 60, "Why build a pyramid?");
    const auto page = Metafile::load(w.finish(3, QRect(0, 0, 1000, 1000)));
    ASSERT_NE(page, nullptr);
    const av::PictureText words = page->text();
    EXPECT_EQ(words.title, QStringLiteral("Why build a pyramid?"));
    EXPECT_EQ(words.text, QStringLiteral("Key Facts\nWhy build a pyramid?\nPyramids were built "
                                         "of\nstone blocks.\nPage 1"));
}

TEST(WmfText, APictureWithoutTextHasNoWords) {
    WmfWriter w;
    w.window(0, 0, 100, 100).brush(0, qRgb(255, 0, 0)).select(0).rectangle(0, 0, 50, 50);
    const auto page = Metafile::load(w.finish(1, QRect(0, 0, 100, 100)));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->text().title.isEmpty());
    EXPECT_TRUE(page->text().text.isEmpty());
}

} // namespace
