#include "TestApp.h"

#include "platform/Label.h"
#include "shell/Backdrop.h"
#include "shell/LinkLabels.h"
#include "shell/ShellWindows.h"
#include "shell/TitleScreen.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

// Stands in for the main menu: it switches sound on when it loads, as the menu does.
class MenuStandIn : public Screen {
public:
    explicit MenuStandIn(App& app) : Screen(app, QStringLiteral("intro0")) {}
    void onLoad() override {
        applyCommonFrame(*this, app());
        state().soundOn = 1;
    }
};

class TitleScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerShellWindows(t.app());
        t.windows().define(QStringLiteral("intro0"), [this] { return new MenuStandIn(t.app()); });
    }
    TitleScreen& title() { return t.windows().get<TitleScreen>(); }
    TestApp t;
};

TEST_F(TitleScreenTest, StartsCentredOverTheBackdropWithItsPicture) {
    TitleScreen& w = title();
    w.showWindow();
    EXPECT_TRUE(t.windows().isLoaded(QStringLiteral("Grey")));
    Window& grey = t.windows().touch(QStringLiteral("Grey"));
    EXPECT_EQ(grey.backColor(), QColor(48, 133, 214));
    EXPECT_EQ(w.parentWidget(), &grey) << "the title stays above the backdrop";
    EXPECT_EQ(w.caption(), QStringLiteral(" "));
    EXPECT_FLOAT_EQ(w.clientWidth(), 5700);
    EXPECT_FLOAT_EQ(w.clientHeight(), 6570);
    EXPECT_FLOAT_EQ(w.Left(), 15360 / 2.0f - w.Width() / 2);
    EXPECT_FLOAT_EQ(w.Top(), 11520 / 2.0f - w.Height() / 2);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\sphinx2sm.jpg")});
    EXPECT_NE(w.Picture1.picture(), nullptr);
    EXPECT_EQ(w.Command1.text(), QStringLiteral("OK"));
    EXPECT_EQ(w.Command2.text(), QStringLiteral("Exit"));
}

TEST_F(TitleScreenTest, MissingPictureFallsBackToTheCommonFrame) {
    t.pictures.setMissing(QStringLiteral("images\\sphinx2sm.jpg"));
    TitleScreen& w = title();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_FLOAT_EQ(w.Width(), 12000);
    EXPECT_FLOAT_EQ(w.Height(), 9000);
    EXPECT_EQ(w.Picture1.backColor(), QColor(49, 135, 214));
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\sphinxsm.jpg")});
}

TEST_F(TitleScreenTest, BothPicturesMissingStillLeavesAUsableScreen) {
    t.pictures.setMissing(QStringLiteral("images\\sphinx2sm.jpg"));
    t.pictures.setMissing(QStringLiteral("images\\sphinxsm.jpg"));
    TitleScreen& w = title();
    EXPECT_EQ(w.Picture1.picture(), nullptr);
    w.Command2_Click();
    EXPECT_EQ(t.display.quitCalls, 1);
}

TEST_F(TitleScreenTest, ExitBeforeTheMenuPlaysNoSoundAndEndsTheProgram) {
    title().showWindow();
    title().Command2.click();
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(t.display.quitCalls, 1);
    EXPECT_FALSE(t.windows().isLoaded(QStringLiteral("Titlefrm")));
    EXPECT_FALSE(t.windows().isLoaded(QStringLiteral("Grey")));
    processDeferredDeletes();
}

TEST_F(TitleScreenTest, OkOpensTheMenuUnloadsItselfAndClicksAfterwards) {
    title().showWindow();
    title().Command1.click();
    EXPECT_TRUE(t.windows().isLoaded(QStringLiteral("intro0")));
    EXPECT_TRUE(t.windows().touch(QStringLiteral("intro0")).isVisible());
    EXPECT_FALSE(t.windows().isLoaded(QStringLiteral("Titlefrm")));
    EXPECT_EQ(t.sound.played, QStringList{ClickSound});
    processDeferredDeletes();
    // Re-shown from the menu: a fresh title screen, and now Exit clicks.
    title().Command1.setText(QStringLiteral("Cancel"));
    title().showWindow();
    title().Command2_Click();
    EXPECT_EQ(t.sound.played, (QStringList{ClickSound, ClickSound}));
}

TEST_F(TitleScreenTest, CaptionBarCloseOnTheTitleEndsTheProgram) {
    title().showWindow();
    title().close();
    EXPECT_EQ(t.display.quitCalls, 1);
}

TEST(SetFrame, AppliesTheCommonFrameWithOrWithoutPicture1) {
    TestApp t;
    t.display.screen = QSizeF(10245, 7680);
    Window bare(QStringLiteral("intro0"));
    applyCommonFrame(bare, t.app());
    EXPECT_EQ(bare.backColor(), QColor(0, 78, 152));
    EXPECT_EQ(bare.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_FLOAT_EQ(bare.Width(), 12000);
    EXPECT_FLOAT_EQ(bare.Height(), 9000);
    // Smaller than the frame: the overhang is kept, in exact halves.
    EXPECT_FLOAT_EQ(bare.Left(), 10245 / 2.0f - 6000);
    EXPECT_FLOAT_EQ(bare.Top(), 3840 - 4500);
    EXPECT_EQ(t.display.hourglass, (std::vector<bool>{true, false}));

    Window withPicture(QStringLiteral("multiple"));
    auto& picture = withPicture.add<PicturePanel>(QStringLiteral("Picture1"));
    applyCommonFrame(withPicture, t.app());
    EXPECT_EQ(picture.backColor(), QColor(49, 135, 214));
}

TEST(Sound, NothingPlaysUntilSoundIsSwitchedOn) {
    TestApp t;
    t.app().playSound(ClickSound);
    t.state().soundOn = 0;
    t.app().playSound(ClickSound);
    EXPECT_TRUE(t.sound.played.isEmpty());
    t.state().soundOn = 1;
    t.app().playSound(QStringLiteral("wav\\thud3.wav"));
    EXPECT_EQ(t.sound.played, QStringList{QStringLiteral("wav\\thud3.wav")});
}

TEST(LinkLabels, HoverTurnsOpaqueAndTheBackgroundResetsTheRange) {
    Window w(QStringLiteral("intro0"));
    Group<Label> group;
    for (int i : {0, 12, 15, 20})
        addLink(w, group, QStringLiteral("Label2"), i, 0, float(i) * 400, 1000, 375,
                QStringLiteral("x"));
    EXPECT_TRUE(group[12].isOpaque()) << "links start opaque";
    EXPECT_EQ(group[0].labelForeColor(), LinkText);
    hoverReset(group, {{0, 12}, {15, 20}});
    for (const auto& [i, label] : group) EXPECT_FALSE(label->isOpaque()) << i;
    hoverOn(group[15]);
    EXPECT_TRUE(group[15].isOpaque());
    hoverReset(group, {{0, 12}});
    EXPECT_TRUE(group[15].isOpaque()) << "outside the range stays as it is";
}

} // namespace
