#include "TestApp.h"
#include "views/TitleScreenView.h"

#include "platform/Label.h"
#include "shell/Backdrop.h"
#include "shell/Glossary.h"
#include "shell/LinkLabels.h"
#include "shell/ShellWindows.h"
#include "shell/TitleScreen.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace av;
using namespace av::test;

namespace {

const QString MenuName = QString::fromLatin1(glossary::window::MainMenu);
const QString TitleName = QString::fromLatin1(TitleScreen::Name);
const QString BackdropName = QString::fromLatin1(Backdrop::Name);

// Stands in for the main menu: it switches sound on when it loads, as the menu does.
class MenuStandIn : public Screen {
  public:
    explicit MenuStandIn(App& app) : Screen(app, MenuName) {}
    void onLoad() override {
        applyCommonFrame(*this, app());
        state().soundOn = true;
    }
};

class TitleScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        registerShellWindows(t.app());
        t.windows().define(MenuName, [this] { return new MenuStandIn(t.app()); });
    }
    TitleScreen& title() { return t.windows().get<TitleScreen>(); }
    TitleScreenView view() { return TitleScreenView(title()); }
    TestApp t;
};

TEST_F(TitleScreenTest, StartsCentredOverTheBackdropWithItsPicture) {
    TitleScreen& w = title();
    w.showWindow();
    EXPECT_TRUE(t.windows().isLoaded(BackdropName));
    Window& grey = t.windows().touch(BackdropName);
    EXPECT_EQ(grey.backColor(), QColor(48, 133, 214));
    EXPECT_EQ(w.parentWidget(), &grey) << "the title stays above the backdrop";
    EXPECT_EQ(w.caption(), QStringLiteral(" "));
    EXPECT_FLOAT_EQ(w.clientWidth(), 5700);
    EXPECT_FLOAT_EQ(w.clientHeight(), 6570);
    EXPECT_FLOAT_EQ(w.Left(), 15360 / 2.0f - w.Width() / 2);
    EXPECT_FLOAT_EQ(w.Top(), 11520 / 2.0f - w.Height() / 2);
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\sphinx2sm.jpg")});
    EXPECT_NE(view().picture().picture(), nullptr);
    EXPECT_EQ(view().okButton().text(), QStringLiteral("OK"));
    EXPECT_EQ(view().exitButton().text(), QStringLiteral("Exit"));
}

TEST_F(TitleScreenTest, MissingPictureFallsBackToTheCommonFrame) {
    t.pictures.setMissing(QStringLiteral("images\\sphinx2sm.jpg"));
    TitleScreen& w = title();
    EXPECT_EQ(w.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_FLOAT_EQ(w.Width(), 12000);
    EXPECT_FLOAT_EQ(w.Height(), 9000);
    EXPECT_EQ(view().picture().backColor(), QColor(49, 135, 214));
    EXPECT_EQ(t.pictures.loaded, QStringList{QStringLiteral("images\\sphinxsm.jpg")});
}

TEST_F(TitleScreenTest, BothPicturesMissingStillLeavesAUsableScreen) {
    t.pictures.setMissing(QStringLiteral("images\\sphinx2sm.jpg"));
    t.pictures.setMissing(QStringLiteral("images\\sphinxsm.jpg"));
    TitleScreen& w = title();
    EXPECT_EQ(view().picture().picture(), nullptr);
    w.onExitClicked();
    EXPECT_EQ(t.display.quitCalls, 1);
}

TEST_F(TitleScreenTest, ExitBeforeTheMenuPlaysNoSoundAndEndsTheProgram) {
    title().showWindow();
    view().exitButton().click();
    EXPECT_TRUE(t.sound.played.isEmpty());
    EXPECT_EQ(t.display.quitCalls, 1);
    EXPECT_FALSE(t.windows().isLoaded(TitleName));
    EXPECT_FALSE(t.windows().isLoaded(BackdropName));
    processDeferredDeletes();
}

TEST_F(TitleScreenTest, OkOpensTheMenuUnloadsItselfAndClicksAfterwards) {
    title().showWindow();
    view().okButton().click();
    EXPECT_TRUE(t.windows().isLoaded(MenuName));
    EXPECT_TRUE(t.windows().touch(MenuName).isVisible());
    EXPECT_FALSE(t.windows().isLoaded(TitleName));
    EXPECT_EQ(t.sound.played, QStringList{ClickSound});
    processDeferredDeletes();
    // Re-shown from the menu: a fresh title screen, and now Exit clicks.
    title().offerCancel();
    title().showWindow();
    title().onExitClicked();
    EXPECT_EQ(t.sound.played, (QStringList{ClickSound, ClickSound}));
}

TEST(SetFrame, AppliesTheCommonFrameWithOrWithoutATintedPanel) {
    TestApp t;
    t.display.screen = QSizeF(10245, 7680);
    Window bare(MenuName);
    applyCommonFrame(bare, t.app());
    EXPECT_EQ(bare.backColor(), QColor(0, 78, 152));
    EXPECT_EQ(bare.caption(), QStringLiteral("Ancient Velmora"));
    EXPECT_FLOAT_EQ(bare.Width(), 12000);
    EXPECT_FLOAT_EQ(bare.Height(), 9000);
    // Smaller than the frame: the overhang is kept, in exact halves.
    EXPECT_FLOAT_EQ(bare.Left(), 10245 / 2.0f - 6000);
    EXPECT_FLOAT_EQ(bare.Top(), 3840 - 4500);
    EXPECT_EQ(t.display.hourglass, (std::vector<bool>{true, false}));

    Window withPicture(QString::fromLatin1(glossary::window::Quiz));
    auto& picture =
        withPicture.add<PicturePanel>(QString::fromLatin1(glossary::frame::TintedPanel));
    applyCommonFrame(withPicture, t.app());
    EXPECT_EQ(picture.backColor(), QColor(49, 135, 214));
}

TEST(Sound, NothingPlaysUntilSoundIsSwitchedOn) {
    TestApp t;
    t.app().playSound(ClickSound);
    t.state().soundOn = false;
    t.app().playSound(ClickSound);
    EXPECT_TRUE(t.sound.played.isEmpty());
    t.state().soundOn = true;
    t.app().playSound(QStringLiteral("wav\\thud3.wav"));
    EXPECT_EQ(t.sound.played, QStringList{QStringLiteral("wav\\thud3.wav")});
}

TEST(LinkLabels, HoverTurnsOpaqueAndTheBackgroundResetsTheRange) {
    Window w(MenuName);
    Group<Label> group;
    for (int i : {0, 12, 15, 20})
        addLink(w, group, QString::fromLatin1(glossary::menu::Entries), i, 0, float(i) * 400, 1000,
                375, QStringLiteral("x"));
    EXPECT_TRUE(group[12].isOpaque()) << "links start opaque";
    EXPECT_EQ(group[0].labelForeColor(), QColor(255, 255, 0));
    hoverReset(group, {{0, 12}, {15, 20}});
    for (const auto& [i, label] : group)
        EXPECT_FALSE(label->isOpaque()) << i;
    hoverOn(group[15]);
    EXPECT_TRUE(group[15].isOpaque());
    hoverReset(group, {{0, 12}});
    EXPECT_TRUE(group[15].isOpaque()) << "outside the range stays as it is";
}

} // namespace
