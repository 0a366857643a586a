#include "WorksheetFixture.h"

#include <QTest>

using namespace av;
using namespace av::test;

namespace {

class CatalogueTest : public WorksheetFixture {
  protected:
    bool previousShown() { return !catalogue().label3[0].isHidden(); }
    bool nextShown() { return !catalogue().label3[1].isHidden(); }
    QString pageCaption() { return catalogue().Label4.caption(); }
};

TEST_F(CatalogueTest, HasItsControls) {
    WorksheetCatalogue& w = catalogue();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(w.Label1.caption(), QStringLiteral("Worksheets Catalogue"));
    EXPECT_EQ(w.Check1.text(), QStringLiteral("Edit Worksheet"));
    EXPECT_EQ(w.Check2.text(), QStringLiteral("Delete Worksheet"));
    EXPECT_EQ(w.Check1.foreColor(), QColor(255, 255, 0));
    EXPECT_EQ(w.Check2.foreColor(), QColor(255, 0, 0));
    EXPECT_EQ(w.Check1.backColor(), QColor(0, 78, 152));
    EXPECT_EQ(w.Check2.backColor(), QColor(0, 78, 152));
    EXPECT_FLOAT_EQ(w.Check2.Left(), 9240);
    EXPECT_EQ(w.Label2[0].caption(), QStringLiteral("Exit"));
    EXPECT_DOUBLE_EQ(w.Label2[0].fontSpec().size, 18);
    EXPECT_EQ(w.label3[0].caption(), QStringLiteral("<< Previous Page"));
    EXPECT_EQ(w.label3[1].caption(), QStringLiteral("Next Page >>"));
    // Two columns of twelve, filled left column first.
    EXPECT_FLOAT_EQ(w.Label2[1].Left(), 120);
    EXPECT_FLOAT_EQ(w.Label2[1].Top(), 720);
    EXPECT_FLOAT_EQ(w.Label2[12].Top(), 720 + 600 * 11);
    EXPECT_FLOAT_EQ(w.Label2[13].Left(), 6120);
    EXPECT_FLOAT_EQ(w.Label2[13].Top(), 720);
    EXPECT_FLOAT_EQ(w.Label2[24].Width(), 5715);
    for (int j = 1; j <= 24; ++j)
        EXPECT_DOUBLE_EQ(w.Label2[j].fontSpec().size, 12);
    EXPECT_EQ(w.widget(QStringLiteral("Label2"), 24), &w.Label2[24]);
}

TEST_F(CatalogueTest, AnEmptyRegisterShowsNothingButPageOne) {
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(previousShown());
    EXPECT_FALSE(nextShown());
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 1"));
    EXPECT_EQ(t.state().cataloguePage, 0);
}

TEST_F(CatalogueTest, AMissingRegisterStillLoadsTheWindow) {
    QFile::remove(t.folderPath() + QStringLiteral("/multiple/track.txt"));
    t.state().worksheets.setCount(1);
    t.state().worksheets.setName(1, QStringLiteral("Kept"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Kept")}) << "the shared copy is listed";
    EXPECT_EQ(catalogue().Check2.backColor(), QColor(0, 78, 152));
    EXPECT_FALSE(t.app().file1.isOpen());
}

TEST_F(CatalogueTest, TwentyFourTitlesFitOnePage) {
    writeRegister(registerNames(24));
    EXPECT_EQ(shown(), registerNames(24));
    EXPECT_FALSE(nextShown());
    EXPECT_FALSE(previousShown());
}

TEST_F(CatalogueTest, TheTwentyFifthTitleOpensPageTwo) {
    writeRegister(registerNames(25));
    EXPECT_EQ(shown().size(), 24);
    EXPECT_TRUE(nextShown());
    catalogue().label3[1].click();
    EXPECT_EQ(t.state().cataloguePage, 1);
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 2"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Sheet25")});
    EXPECT_EQ(catalogue().Label2[1].caption(), QStringLiteral("Sheet25")) << "top left";
    EXPECT_TRUE(previousShown());
    EXPECT_FALSE(nextShown());
    catalogue().label3[0].click();
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 1"));
    EXPECT_EQ(shown(), registerNames(24));
    EXPECT_FALSE(previousShown());
    EXPECT_TRUE(nextShown());
    EXPECT_EQ(t.sound.played, (QStringList{click, click}));
}

TEST_F(CatalogueTest, OnlyFortyOnePagesCanBeReached) {
    writeRegister(registerNames(1000));
    WorksheetCatalogue& w = catalogue();
    for (int p = 1; p <= 40; ++p) {
        ASSERT_TRUE(nextShown()) << p;
        w.label3[1].click();
    }
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 41"));
    const QStringList page41 = shown();
    ASSERT_EQ(page41.size(), 24);
    EXPECT_EQ(page41.first(), QStringLiteral("Sheet961"));
    EXPECT_EQ(page41.last(), QStringLiteral("Sheet984"));
    EXPECT_FALSE(nextShown()) << "titles 985 to 1000 are never listed";
    EXPECT_TRUE(previousShown());
    w.label3[0].click();
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 40"));
    EXPECT_TRUE(nextShown());
}

TEST_F(CatalogueTest, ModeBoxesExcludeEachOther) {
    WorksheetCatalogue& w = catalogue();
    w.Check1.click();
    EXPECT_TRUE(w.Check1.isChecked());
    w.Check2.click();
    EXPECT_TRUE(w.Check2.isChecked());
    EXPECT_FALSE(w.Check1.isChecked());
    w.Check2.click();
    EXPECT_FALSE(w.Check1.isChecked());
    EXPECT_FALSE(w.Check2.isChecked()) << "unticking returns to take mode";
    w.Check2.click();
    w.Check1.click();
    EXPECT_FALSE(w.Check2.isChecked());
}

TEST_F(CatalogueTest, ExitShowsTheMainMenuAnew) {
    t.state().soundOn = 1;
    catalogue().Check1.click();
    catalogue().Label2[0].click();
    EXPECT_FALSE(loaded("worksheets"));
    ASSERT_TRUE(loaded("intro0"));
    EXPECT_TRUE(t.windows().touch(QStringLiteral("intro0")).isVisible());
    EXPECT_EQ(menuLoads(), 1);
    EXPECT_EQ(t.sound.played, QStringList{click});
    processDeferredDeletes();
    EXPECT_FALSE(catalogue().Check1.isChecked()) << "the modes start unticked again";
}

TEST_F(CatalogueTest, EntriesAndExitFollowTheHoverConvention) {
    writeRegister(registerNames(3));
    WorksheetCatalogue& w = catalogue();
    w.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseMove(&w, QPoint(400, 300));
    for (int j = 0; j <= 24; ++j)
        EXPECT_FALSE(w.Label2[j].isOpaque()) << j;
    EXPECT_TRUE(w.label3[1].isOpaque()) << "the paging labels are not reset";
    emit w.Label2[2].mouseMove(MouseArgs{});
    EXPECT_TRUE(w.Label2[2].isOpaque());
    EXPECT_FALSE(w.Label2[1].isOpaque());
}

} // namespace
