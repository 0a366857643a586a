#include "platform/Fonts.h"

#include <QFile>
#include <QFontInfo>
#include <gtest/gtest.h>

using namespace av;

// The layouts were measured in these faces; the stand-ins must really be the ones drawn.
TEST(Fonts, WindowsFacesMapToMetricCompatibleInstalledFaces) {
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Times New Roman")),
              QStringLiteral("Liberation Serif"));
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "Wine's Tahoma is not installed";
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Tahoma")), QStringLiteral("Tahoma"));
    const QFontInfo bold(fonts::toQFont({QStringLiteral("Tahoma"), 15.75, true}));
    EXPECT_EQ(bold.family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(bold.bold());
    EXPECT_EQ(bold.pixelSize(), 21);
    const QFontInfo serif(fonts::toQFont({QStringLiteral("Times New Roman"), 27.75, true}));
    EXPECT_EQ(serif.family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(serif.pixelSize(), 37);
}
