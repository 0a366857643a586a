#include "WorksheetFixture.h"
#include "quiz/QuizScreen.h"

#include <QTest>

using namespace av;
using namespace av::test;

namespace {

class CatalogueTest : public WorksheetFixture {
  protected:
    bool previousShown() { return !catalogue().link(CatalogueLink::PreviousPage).isHidden(); }
    bool nextShown() { return !catalogue().link(CatalogueLink::NextPage).isHidden(); }
    QString pageCaption() { return catalogue().pageCaption().caption(); }
};

TEST_F(CatalogueTest, HasItsControls) {
    WorksheetCatalogue& w = catalogue();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(w.heading().caption(), QStringLiteral("Worksheets Catalogue"));
    EXPECT_EQ(w.editMode().text(), QStringLiteral("Edit Worksheet"));
    EXPECT_EQ(w.deleteMode().text(), QStringLiteral("Delete Worksheet"));
    EXPECT_EQ(w.editMode().foreColor(), QColor(255, 255, 0));
    EXPECT_EQ(w.deleteMode().foreColor(), QColor(255, 0, 0));
    EXPECT_EQ(w.editMode().backColor(), QColor(0, 78, 152));
    EXPECT_EQ(w.deleteMode().backColor(), QColor(0, 78, 152));
    EXPECT_FLOAT_EQ(w.deleteMode().Left(), 9240);
    EXPECT_EQ(w.exitLink().caption(), QStringLiteral("Exit"));
    EXPECT_DOUBLE_EQ(w.exitLink().fontSpec().size, 18);
    EXPECT_EQ(w.link(CatalogueLink::PreviousPage).caption(), QStringLiteral("<< Previous Page"));
    EXPECT_EQ(w.link(CatalogueLink::NextPage).caption(), QStringLiteral("Next Page >>"));
    // Two columns of twelve, filled left column first.
    EXPECT_FLOAT_EQ(w.entry(1).Left(), 120);
    EXPECT_FLOAT_EQ(w.entry(1).Top(), 720);
    EXPECT_FLOAT_EQ(w.entry(12).Top(), 720 + 600 * 11);
    EXPECT_FLOAT_EQ(w.entry(13).Left(), 6120);
    EXPECT_FLOAT_EQ(w.entry(13).Top(), 720);
    EXPECT_FLOAT_EQ(w.entry(24).Width(), 5715);
    for (int j = 1; j <= 24; ++j)
        EXPECT_DOUBLE_EQ(w.entry(j).fontSpec().size, 12);
    EXPECT_EQ(w.widget(QString::fromLatin1(glossary::catalogue::List), 24), &w.entry(24));
}

TEST_F(CatalogueTest, AnEmptyRegisterShowsNothingButPageOne) {
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_FALSE(previousShown());
    EXPECT_FALSE(nextShown());
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 1"));
    EXPECT_EQ(catalogue().page(), 0);
}

TEST_F(CatalogueTest, AMissingRegisterStillLoadsTheWindow) {
    writeRegister({QStringLiteral("Kept")});
    t.app().worksheets.reload();
    QFile::remove(t.folderPath() + QStringLiteral("/multiple/track.txt"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Kept")}) << "the titles read last are listed";
    EXPECT_EQ(catalogue().deleteMode().backColor(), QColor(0, 78, 152));
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
    catalogue().link(CatalogueLink::NextPage).click();
    EXPECT_EQ(catalogue().page(), 1);
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 2"));
    EXPECT_EQ(shown(), QStringList{QStringLiteral("Sheet25")});
    EXPECT_EQ(catalogue().entry(1).caption(), QStringLiteral("Sheet25")) << "top left";
    EXPECT_TRUE(previousShown());
    EXPECT_FALSE(nextShown());
    catalogue().link(CatalogueLink::PreviousPage).click();
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 1"));
    EXPECT_EQ(shown(), registerNames(24));
    EXPECT_FALSE(previousShown());
    EXPECT_TRUE(nextShown());
    EXPECT_EQ(t.sound.played, (QStringList{click, click}));
}

TEST_F(CatalogueTest, EveryRegisteredWorksheetCanBeReached) {
    writeRegister(registerNames(1000));
    writeWorksheet(QStringLiteral("Sheet1000"));
    WorksheetCatalogue& w = catalogue();
    for (int p = 1; p <= 41; ++p) {
        ASSERT_TRUE(nextShown()) << p;
        w.link(CatalogueLink::NextPage).click();
    }
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 42"));
    const QStringList page42 = shown();
    ASSERT_EQ(page42.size(), 16);
    EXPECT_EQ(page42.first(), QStringLiteral("Sheet985"));
    EXPECT_EQ(page42.last(), QStringLiteral("Sheet1000"));
    EXPECT_FALSE(nextShown()) << "no page after the register's last slot";
    EXPECT_TRUE(previousShown());

    w.entry(16).click();
    EXPECT_TRUE(loaded(QuizScreen::Name)) << "the thousandth worksheet is taken";
    EXPECT_EQ(t.windows().get<QuizScreen>().questionSet().question(1).text,
              QStringLiteral("Sheet1000 asks 1"));
    unload(QuizScreen::Name);

    w.link(CatalogueLink::PreviousPage).click();
    EXPECT_EQ(pageCaption(), QStringLiteral("Page 41"));
    EXPECT_EQ(shown().last(), QStringLiteral("Sheet984"));
    EXPECT_TRUE(nextShown());
}

TEST_F(CatalogueTest, ModeBoxesExcludeEachOther) {
    WorksheetCatalogue& w = catalogue();
    w.editMode().click();
    EXPECT_TRUE(w.editMode().isChecked());
    w.deleteMode().click();
    EXPECT_TRUE(w.deleteMode().isChecked());
    EXPECT_FALSE(w.editMode().isChecked());
    w.deleteMode().click();
    EXPECT_FALSE(w.editMode().isChecked());
    EXPECT_FALSE(w.deleteMode().isChecked()) << "unticking returns to take mode";
    w.deleteMode().click();
    w.editMode().click();
    EXPECT_FALSE(w.deleteMode().isChecked());
}

TEST_F(CatalogueTest, ExitShowsTheMainMenuAnew) {
    t.state().soundOn = 1;
    catalogue().editMode().click();
    catalogue().exitLink().click();
    EXPECT_FALSE(loaded(WorksheetCatalogue::Name));
    ASSERT_TRUE(loaded(MainMenu::Name));
    EXPECT_TRUE(t.windows().touch(QString::fromLatin1(MainMenu::Name)).isVisible());
    EXPECT_EQ(menuLoads(), 1);
    EXPECT_EQ(t.sound.played, QStringList{click});
    processDeferredDeletes();
    EXPECT_FALSE(catalogue().editMode().isChecked()) << "the modes start unticked again";
}

} // namespace

namespace {

// A click in the gap between two entries, through the window system, leaves every entry and
// Exit filled.
TEST_F(CatalogueTest, EntriesKeepTheirFillWhateverIsClicked) {
    writeRegister(registerNames(3));
    WorksheetCatalogue& w = catalogue();
    w.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QRect first = w.entry(1).geometry();
    const QPoint gap(first.center().x(), (first.bottom() + w.entry(2).geometry().top()) / 2);
    ASSERT_EQ(w.childAt(gap), nullptr) << "no gap between the entries";
    QTest::mouseMove(w.windowHandle(), gap - QPoint(0, 1));
    QTest::mouseMove(w.windowHandle(), gap);
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, gap);
    for (int j = 0; j <= 3; ++j)
        EXPECT_TRUE(w.entry(j).isOpaque()) << "entry " << j << " lost its fill";
    const QImage drawn = w.grab().toImage();
    const QPoint inside = w.entry(2).geometry().topLeft() + QPoint(4, 4);
    EXPECT_EQ(drawn.pixelColor(inside * drawn.devicePixelRatio()), QColor(0, 0, 0));
}

} // namespace
