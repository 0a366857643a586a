#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

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

// Screens, printer and pages share one map: a face named in a page comes out as it would on a
// screen, and the common aliases reach the metric-compatible faces, not the last-resort one.
TEST(Fonts, OneMapServesScreensPrinterAndPages) {
    EXPECT_EQ(fonts::familyFor(QStringLiteral("MS Sans Serif")),
              fonts::familyFor(QStringLiteral("Tahoma")));
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")))
        GTEST_SKIP() << "Liberation Mono is not installed";
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Helvetica")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(fonts::familyFor(QStringLiteral("No Such Face")), QStringLiteral("DejaVu Sans"));
}

// Pages are drawn on a worker while the screens set their fonts: lookups from several threads
// at once, first ones included, all give the one answer.
TEST(Fonts, FacesMapTheSameFromManyThreadsAtOnce) {
    const QStringList names{QStringLiteral("Courier New"), QStringLiteral("Symbol"),
                            QStringLiteral("Wingdings"), QStringLiteral("No Such Face 17")};
    std::vector<QStringList> seen(4);
    std::vector<std::thread> threads;
    for (QStringList& answers : seen)
        threads.emplace_back([&names, &answers] {
            for (int round = 0; round < 50; ++round)
                for (const QString& name : names)
                    answers.append(fonts::familyFor(name));
        });
    for (std::thread& t : threads)
        t.join();
    for (const QStringList& answers : seen)
        for (qsizetype i = 0; i < answers.size(); ++i)
            ASSERT_EQ(answers[i], fonts::familyFor(names[i % names.size()])) << i;
    EXPECT_EQ(fonts::familyFor(QStringLiteral("No Such Face 17")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
}
