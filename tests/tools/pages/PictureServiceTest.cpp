#include "BuildFolders.h"
#include "Logo.h"
#include "PageLayout.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"

#include <gtest/gtest.h>

namespace av::pages {
namespace {

// The program loads the pages and the logo through its pictures service, by the names its
// windows use: every one must come back at the size its box expects.
TEST(BuiltFilesThroughThePicturesService, LoadAtTheirOwnSizes) {
    const ProgramFolder folder(built::programDir());
    FilePictureService pictures(folder);
    for (const PageSpec& spec : pageCatalogue()) {
        const PicturePtr screen =
            pictures.load(QStringLiteral("wmf\\") + spec.stem + QStringLiteral(".wmf"));
        const PicturePtr print =
            pictures.load(QStringLiteral("wmf2\\") + spec.stem + QStringLiteral(".wmf"));
        ASSERT_NE(screen, nullptr);
        ASSERT_NE(print, nullptr);
        EXPECT_EQ(screen->sizeTwips(), QSizeF(ScreenWidth, ScreenHeight))
            << spec.stem.toStdString();
        EXPECT_EQ(print->sizeTwips(), QSizeF(PrintWidth, PrintHeight)) << spec.stem.toStdString();
    }
    for (int frame = 0; frame < LogoFrameCount; ++frame) {
        const QString name = QStringLiteral("logo\\marl%1.gif").arg(frame, 4, 10, QLatin1Char('0'));
        EXPECT_EQ(pictures.load(name)->sizeTwips(), QSizeF(1800, 1800)) << name.toStdString();
    }
    EXPECT_EQ(pictures.load(QStringLiteral("logo\\marlowind2.bmp"))->sizeTwips(),
              QSizeF(1800, 1335));
}

} // namespace
} // namespace av::pages
