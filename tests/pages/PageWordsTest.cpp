// What a screen reader gets of a real page: the shipped key-facts page, decoded by the real
// metafile decoder, read from its own text records.
#include "BuildFolders.h"
#include "pages/PageViewer.h"
#include "pages/PageWindows.h"
#include "platform/wmf/Metafile.h"

#include "TestApp.h"
#include "views/PageViewerView.h"

#include <QAccessible>
#include <QFile>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

TEST(PageWordsTest, AKeyFactsPageGivesItsTitleAndAllItsWordsInReadingOrder) {
    TestApp t;
    registerPageWindows(t.app());
    QFile file(built::programDir() + QStringLiteral("/wmf/key pyramidsa.wmf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
    const PicturePtr page = wmf::decodePicture(file.readAll());
    ASSERT_NE(page, nullptr);
    auto& viewer = t.windows().get<PageViewer>();
    PageViewerView(viewer).pageBox().setPicture(page);
    viewer.tellPageWords();

    EXPECT_EQ(QAccessible::queryAccessibleInterface(&viewer)->text(QAccessible::Name),
              QStringLiteral("Why build a pyramid?"));
    QAccessibleInterface* picture =
        QAccessible::queryAccessibleInterface(&PageViewerView(viewer).pageBox());
    EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("Why build a pyramid?"));
    QAccessibleTextInterface* text = picture->textInterface();
    ASSERT_NE(text, nullptr);
    const QString words = text->text(0, text->characterCount());
    qsizetype at = -1;
    for (const char* expected :
         {"Why build a pyramid?", "Tombs for kings", "The Velmorans built pyramids as tombs for",
          "Ready for the next life", "Built to last", "twenty years to build"}) {
        const qsizetype next = words.indexOf(QLatin1String(expected));
        EXPECT_GT(next, at) << expected << " in:\n" << qPrintable(words);
        at = std::max(at, next);
    }
    // Each line of the page is a band of the picture, top to bottom.
    EXPECT_LT(text->characterRect(0).top(),
              text->characterRect(words.indexOf(u"Built to last")).top());
}

} // namespace
