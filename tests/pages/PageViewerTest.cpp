#include "PageOpeners.h"

#include "pages/PageWindows.h"
#include "shell/Glossary.h"
#include "shell/LinkLabels.h"

#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace av;
using namespace av::test;
namespace win = av::glossary::window;

namespace {

class PageViewerTest : public ::testing::Test {
  protected:
    void SetUp() override { registerPageWindows(t.app()); }

    PageViewer& viewer() { return t.windows().get<PageViewer>(); }
    PageViewerView view() { return PageViewerView(viewer()); }
    Label& link(int index) { return view().link(index); }
    // Clicks a link as the pointer would: a disabled link takes no clicks.
    void press(int index) {
        ASSERT_TRUE(link(index).isEnabled()) << "link " << index << " is greyed";
        link(index).click();
    }
    void exitViewer() {
        press(PageWindow::ExitLink);
        processDeferredDeletes();
        ASSERT_FALSE(t.windows().isLoaded(QString::fromLatin1(win::PageViewer)));
    }
    QString caption() { return view().pageNumber().caption(); }
    bool nextOn() { return link(PageWindow::NextLink).isEnabled(); }
    bool previousOn() { return link(PageWindow::PreviousLink).isEnabled(); }

    TestApp t;
};

TEST_F(PageViewerTest, ThreePageSetPagesForwardAndBack) {
    openPageSet(t, QStringLiteral("key pyramids"), 3);
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 3"));
    EXPECT_TRUE(nextOn());
    EXPECT_FALSE(previousOn());

    int mark = int(t.pictures.loaded.size());
    press(PageWindow::NextLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 2 of 3"));
    EXPECT_TRUE(nextOn());
    EXPECT_TRUE(previousOn());
    EXPECT_EQ(loadedSince(t, mark), (QStringList{QStringLiteral("wmf\\key pyramidsb.wmf"),
                                                 QStringLiteral("wmf2\\key pyramidsb.wmf")}));

    press(PageWindow::NextLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 3 of 3"));
    EXPECT_FALSE(nextOn());
    EXPECT_TRUE(previousOn());
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\key pyramidsc.wmf"));

    press(PageWindow::PreviousLink);
    press(PageWindow::PreviousLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 3"));
    EXPECT_EQ(viewer().page(), 1);
    EXPECT_FALSE(previousOn());
    EXPECT_TRUE(nextOn());
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\key pyramidsa.wmf"));
}

TEST_F(PageViewerTest, OpensInItsDesignStateWithTheCommonFrame) {
    openPageSet(t, QStringLiteral("words"), 3);
    PageViewer& v = viewer();
    const PageViewerView w = view();
    EXPECT_EQ(v.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_EQ(v.backColor(), QColor(0, 78, 152));
    EXPECT_EQ(w.pageBox().Left(), 120);
    EXPECT_EQ(w.pageBox().Top(), 0);
    EXPECT_TRUE(w.printBox().isHidden()) << "the print copy is never shown";
    EXPECT_TRUE(w.turningLogo().isHidden());
    EXPECT_TRUE(w.publisherLogo().isHidden());
    EXPECT_FALSE(w.logoTimer().isEnabled());
    EXPECT_EQ(w.logoTimer().interval(), 25);
    EXPECT_EQ(w.turningLogo().backColor(), QColor(49, 135, 214))
        << "the frame colours the tinted panel";
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(link(i).isHidden());
    EXPECT_EQ(link(0).caption(), QStringLiteral("Print"));
    EXPECT_TRUE(t.sound.played.isEmpty());
}

TEST_F(PageViewerTest, SinglePageSetHidesCaptionAndPaging) {
    openPageSet(t, QStringLiteral("key words"), 1);
    EXPECT_TRUE(view().pageNumber().isHidden());
    EXPECT_TRUE(link(PageWindow::NextLink).isHidden());
    EXPECT_TRUE(link(PageWindow::PreviousLink).isHidden());
    EXPECT_FALSE(link(PageWindow::PrintLink).isHidden());
    EXPECT_FALSE(link(PageWindow::ExitLink).isHidden());
    press(PageWindow::PrintLink);
    EXPECT_TRUE(t.messages.shown.empty());
    exitViewer();
}

TEST_F(PageViewerTest, SecondSetWhileLoadedKeepsPageNumberAndCaption) {
    openPageSet(t, QStringLiteral("key pyramids"), 3);
    press(PageWindow::NextLink);
    openPageSet(t, QStringLiteral("pyramids"), 3);
    EXPECT_EQ(viewer().page(), 2) << "the load step does not run again";
    EXPECT_EQ(caption(), QStringLiteral("Page 2 of 3"));
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\pyramidsa.wmf"));
    press(PageWindow::NextLink);
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\pyramidsc.wmf"));
    EXPECT_FALSE(nextOn());
}

// Each opening is handed its set: what one set left behind does not show in the next.
TEST_F(PageViewerTest, SetsOpenedInTurnShowTheirOwnPageCount) {
    openPageSet(t, QStringLiteral("key words"), 1);
    EXPECT_TRUE(view().pageNumber().isHidden());
    exitViewer();

    openPageSet(t, QStringLiteral("words"), 3);
    EXPECT_EQ(viewer().pageSet().key, QStringLiteral("words"));
    EXPECT_FALSE(view().pageNumber().isHidden());
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 3"));
    press(PageWindow::NextLink);
    press(PageWindow::NextLink);
    EXPECT_EQ(caption(), QStringLiteral("Page 3 of 3"));
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("wmf2\\wordsc.wmf"));
    EXPECT_FALSE(nextOn());
    exitViewer();

    openPageSet(t, QStringLiteral("key pyramids"), 2);
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 2"));
    EXPECT_EQ(viewer().page(), 1) << "a new window starts at page 1";
    press(PageWindow::NextLink);
    EXPECT_FALSE(nextOn()) << "two pages end at the second";
}

TEST_F(PageViewerTest, MissingPageShowsEmptyAndPagingGoesOn) {
    openPageSet(t, QStringLiteral("key words"), 3);
    EXPECT_NE(view().pageBox().picture(), nullptr);
    t.pictures.setMissing(QStringLiteral("wmf\\key wordsb.wmf"));
    t.pictures.setMissing(QStringLiteral("wmf2\\key wordsb.wmf"));
    press(PageWindow::NextLink);
    EXPECT_EQ(view().pageBox().picture(), nullptr);
    EXPECT_EQ(view().printBox().picture(), nullptr);
    EXPECT_EQ(caption(), QStringLiteral("Page 2 of 3"));
    press(PageWindow::NextLink);
    EXPECT_NE(view().pageBox().picture(), nullptr);
    EXPECT_EQ(caption(), QStringLiteral("Page 3 of 3"));
}

TEST_F(PageViewerTest, AcknowledgmentsHidePagingAndStartTheLogo) {
    openPageSet(t, QStringLiteral("key words"), 3);
    exitViewer();
    openAcknowledgments(t);
    PageViewer& v = viewer();
    const PageViewerView w = view();
    EXPECT_TRUE(w.pageNumber().isHidden());
    EXPECT_TRUE(link(PageWindow::NextLink).isHidden());
    EXPECT_TRUE(link(PageWindow::PreviousLink).isHidden());
    EXPECT_EQ(v.backColor(), QColor(49, 130, 212));
    EXPECT_TRUE(w.logoTimer().isEnabled());
    EXPECT_TRUE(w.turningLogo().isHidden()) << "the logo waits for the first tick";
    EXPECT_NE(w.publisherLogo().picture(), nullptr);

    QTRY_VERIFY_WITH_TIMEOUT(!w.turningLogo().isHidden(), 2000);
    EXPECT_FALSE(w.publisherLogo().isHidden());
    EXPECT_GE(w.logoFrame(), 1);
    EXPECT_TRUE(t.pictures.loaded.contains(QStringLiteral("logo\\marl0001.gif")));
    EXPECT_NE(w.turningLogo().picture(), nullptr);
}

TEST_F(PageViewerTest, LogoCarriesOnFromItsLastFrameAndWraps) {
    openAcknowledgments(t);
    view().logoTimer().setEnabled(false); // ticks by hand from here
    for (int i = 0; i < 3; ++i)
        viewer().onLogoTimer();
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("logo\\marl0003.gif"));
    exitViewer();

    openAcknowledgments(t);
    view().logoTimer().setEnabled(false);
    viewer().onLogoTimer();
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("logo\\marl0004.gif"));

    for (int frame = 5; frame <= 19; ++frame)
        viewer().onLogoTimer();
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("logo\\marl0019.gif"));
    viewer().onLogoTimer();
    EXPECT_EQ(t.pictures.loaded.last(), QStringLiteral("logo\\marl0000.gif"));
    EXPECT_EQ(view().logoFrame(), 0);
}

// The logo's place belongs to the program that shows it: another program's viewer starts at
// its own first frame.
TEST_F(PageViewerTest, EachProgramTurnsItsOwnLogo) {
    openAcknowledgments(t);
    view().logoTimer().setEnabled(false);
    for (int i = 0; i < 5; ++i)
        viewer().onLogoTimer();
    EXPECT_EQ(view().logoFrame(), 5);

    TestApp other;
    registerPageWindows(other.app());
    PageViewer& second = other.windows().get<PageViewer>();
    second.openAcknowledgments();
    PageViewerView(second).logoTimer().setEnabled(false);
    second.onLogoTimer();
    EXPECT_EQ(PageViewerView(second).logoFrame(), 1);
    EXPECT_EQ(other.pictures.loaded.last(), QStringLiteral("logo\\marl0001.gif"));
    viewer().onLogoTimer();
    EXPECT_EQ(view().logoFrame(), 6);
}

// Forty ticks a second: each frame is read and decoded once, for the logo's box, and the ticks
// after that show it from memory for as long as the page is open.
TEST_F(PageViewerTest, EachLogoFrameIsDecodedOnceWhileThePageIsOpen) {
    openAcknowledgments(t);
    PageViewer& v = viewer();
    const PageViewerView w = view();
    std::map<int, PicturePtr> shown;
    int ticks = 0;
    bool sameEveryRound = true;
    QObject::connect(&w.logoTimer(), &Timer::tick, &v, [&] {
        ++ticks;
        const PicturePtr& picture = w.turningLogo().picture();
        const auto [kept, first] = shown.emplace(w.logoFrame(), picture);
        if (!first && kept->second != picture) sameEveryRound = false;
    });
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2 * 20 + 5, 20000);
    EXPECT_EQ(shown.size(), 20u);
    EXPECT_TRUE(sameEveryRound) << "a later round showed another picture than the first";
    int frameLoads = 0;
    for (const FakePictures::Request& asked : t.pictures.asked) {
        if (!asked.path.startsWith(QStringLiteral("logo\\marl0"))) continue;
        ++frameLoads;
        EXPECT_EQ(asked.box, w.turningLogo().size()) << "decoded for the box it is shown in";
        EXPECT_TRUE(asked.crop);
    }
    EXPECT_EQ(frameLoads, 20);
}

TEST_F(PageViewerTest, KeyFactsAfterAcknowledgmentsShowNoLogo) {
    openAcknowledgments(t);
    viewer().onLogoTimer();
    exitViewer();

    openPageSet(t, QStringLiteral("key pyramids"), 3);
    PageViewer& v = viewer();
    const PageViewerView w = view();
    EXPECT_FALSE(w.logoTimer().isEnabled());
    EXPECT_TRUE(w.turningLogo().isHidden());
    EXPECT_TRUE(w.publisherLogo().isHidden());
    EXPECT_EQ(w.publisherLogo().picture(), nullptr);
    EXPECT_EQ(v.backColor(), QColor(0, 78, 152));
    EXPECT_FALSE(w.pageNumber().isHidden());
    EXPECT_EQ(caption(), QStringLiteral("Page 1 of 3"));
    const int mark = int(t.pictures.loaded.size());
    QTest::qWait(80);
    // The page one turn away is drawn ahead meanwhile; no logo frame may load.
    EXPECT_TRUE(loadedSince(t, mark).filter(QStringLiteral("logo")).isEmpty())
        << "no animation runs";
}

TEST_F(PageViewerTest, MissingLogoFramesLeaveTheBoxesEmpty) {
    t.pictures.setMissing(QStringLiteral("logo\\marlowind2.bmp"));
    t.pictures.setMissing(QStringLiteral("logo\\marl0001.gif"));
    openAcknowledgments(t);
    viewer().onLogoTimer();
    EXPECT_EQ(view().turningLogo().picture(), nullptr);
    EXPECT_EQ(view().publisherLogo().picture(), nullptr);
    EXPECT_FALSE(view().turningLogo().isHidden());
    viewer().onLogoTimer();
    EXPECT_NE(view().turningLogo().picture(), nullptr);
}

} // namespace
