#include "PageOpeners.h"

#include "pages/PageWindows.h"
#include "shell/Glossary.h"

#include <gtest/gtest.h>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

class GuideTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerPageWindows(t.app());
        openGuide(t);
    }

    TeachersGuide& guide() { return t.windows().get<TeachersGuide>(); }
    Label& link(int index) { return guide().links[index]; }
    void press(int index) {
        ASSERT_TRUE(link(index).isEnabled()) << "link " << index << " is greyed";
        link(index).click();
    }
    QString caption() { return guide().pageNumber.caption(); }
    bool nextOn() { return link(PageWindow::NextLink).isEnabled(); }
    bool previousOn() { return link(PageWindow::PreviousLink).isEnabled(); }

    TestApp t;
};

TEST_F(GuideTest, OpensOnPageOneInItsDesignState) {
    TeachersGuide& g = guide();
    EXPECT_EQ(g.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 5"));
    EXPECT_FALSE(previousOn());
    EXPECT_TRUE(nextOn());
    EXPECT_EQ(g.pageBox.Left(), 120);
    EXPECT_EQ(g.printBox.Top(), -240);
    EXPECT_TRUE(g.printBox.isHidden());
    EXPECT_EQ(t.pictures.loaded,
              (QStringList{QStringLiteral("wmf\\guide1.wmf"), QStringLiteral("wmf2\\guide1.wmf")}));
}

TEST_F(GuideTest, PagesToTheEndAndBack) {
    const QStringList expected = {QStringLiteral("Page 2 of 5"), QStringLiteral("Page 3 of 5"),
                                  QStringLiteral("Page 4 of 5"), QStringLiteral("Page 5 of 5")};
    for (const QString& want : expected) {
        press(PageWindow::NextLink);
        EXPECT_EQ(caption(), want);
        EXPECT_TRUE(previousOn()) << want.toStdString();
    }
    EXPECT_FALSE(nextOn());
    EXPECT_EQ(t.state().currentPage, 5);
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\guide5.wmf"));

    press(PageWindow::PreviousLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 4 of 5"));
    EXPECT_TRUE(nextOn());
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\guide4.wmf"));
    EXPECT_EQ(t.pictures.loaded.at(t.pictures.loaded.size() - 2),
              QStringLiteral("wmf\\guide4.wmf"));
    for (int i = 0; i < 3; ++i)
        press(PageWindow::PreviousLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 5"));
    EXPECT_FALSE(previousOn());
    EXPECT_TRUE(nextOn());
    EXPECT_TRUE(t.sound.played.isEmpty());
}

TEST_F(GuideTest, ExitAndReopenStartsAgainAtPageOne) {
    press(PageWindow::NextLink);
    press(PageWindow::NextLink);
    press(PageWindow::ExitLink);
    processDeferredDeletes();
    EXPECT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::TeachersGuide)));
    openGuide(t);
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 5"));
    EXPECT_FALSE(previousOn());
    press(PageWindow::NextLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 2 of 5"));
}

TEST_F(GuideTest, MissingPageIsShownEmpty) {
    t.pictures.setMissing(QStringLiteral("wmf\\guide2.wmf"));
    press(PageWindow::NextLink);
    EXPECT_EQ(guide().pageBox.picture(), nullptr);
    EXPECT_NE(guide().printBox.picture(), nullptr);
    press(PageWindow::NextLink);
    EXPECT_NE(guide().pageBox.picture(), nullptr);
    EXPECT_EQ(caption(), QStringLiteral("Page 3 of 5"));
}

// The page number is one variable: a click in one window carries on from the other's.
TEST_F(GuideTest, SharesThePageNumberWithTheViewer) {
    openPageSet(t, QStringLiteral("key words"), 3);
    EXPECT_EQ(t.state().currentPage, 1);
    press(PageWindow::NextLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 2 of 5"));
    PageViewer& viewer = t.windows().get<PageViewer>();
    viewer.links[PageWindow::NextLink].click();
    EXPECT_EQ(viewer.pageNumber.caption(), QStringLiteral("Page 3 of 3"));
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\key wordsc.wmf"));
    EXPECT_FALSE(viewer.links[PageWindow::NextLink].isEnabled());
}

} // namespace
