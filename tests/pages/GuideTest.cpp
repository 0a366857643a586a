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
    PageWindowView view() { return PageWindowView(guide()); }
    Label& link(int index) { return view().link(index); }
    void press(int index) {
        ASSERT_TRUE(link(index).isEnabled()) << "link " << index << " is greyed";
        link(index).click();
    }
    QString caption() { return view().pageNumber().caption(); }
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
    EXPECT_EQ(view().pageBox().Left(), 120);
    EXPECT_EQ(view().printBox().Top(), -240);
    EXPECT_TRUE(view().printBox().isHidden());
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
    EXPECT_EQ(guide().page(), 5);
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
    EXPECT_EQ(view().pageBox().picture(), nullptr);
    EXPECT_NE(view().printBox().picture(), nullptr);
    press(PageWindow::NextLink);
    EXPECT_NE(view().pageBox().picture(), nullptr);
    EXPECT_EQ(caption(), QStringLiteral("Page 3 of 5"));
}

// Each page window keeps its own page number: paging in one leaves the other where it was.
TEST_F(GuideTest, KeepsItsPageNumberApartFromTheViewer) {
    press(PageWindow::NextLink);
    openPageSet(t, QStringLiteral("key words"), 3);
    EXPECT_EQ(guide().page(), 2);
    press(PageWindow::NextLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 3 of 5"));
    PageViewer& viewer = t.windows().get<PageViewer>();
    PageViewerView(viewer).link(PageWindow::NextLink).click();
    EXPECT_EQ(PageViewerView(viewer).pageNumber().caption(), QStringLiteral("Page 2 of 3"));
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\key wordsb.wmf"));
    EXPECT_TRUE(PageViewerView(viewer).link(PageWindow::NextLink).isEnabled());
    press(PageWindow::PreviousLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 2 of 5"));
    EXPECT_EQ(viewer.page(), 2);
}

} // namespace
