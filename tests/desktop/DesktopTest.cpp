// The program on a real desktop: a private X server with a window manager from the
// distribution on it (GNOME's mutter among them), the program started as a user starts it,
// and everything done and looked at through the X tools, as the window manager sees it.
#include "Desktop.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace av::test::desktop;

namespace {

class OnADesktop : public ::testing::TestWithParam<WindowManagerCommand> {
  protected:
    void SetUp() override {
        desktop = std::make_unique<Desktop>(GetParam());
        if (!desktop->unavailable().isEmpty()) GTEST_SKIP() << desktop->unavailable().toStdString();
        ASSERT_TRUE(desktop->startProgram()) << "the program's windows never showed";
        for (const XWindow& window : desktop->programWindows())
            (window.geometry.size() == desktop->screen() ? backdrop : title) = window.id;
        ASSERT_FALSE(backdrop.isEmpty()) << "no backdrop covering the screen";
        ASSERT_FALSE(title.isEmpty()) << "no title screen";
    }

    // Whether the window manager stacks the title above the backdrop.
    bool titleAboveBackdrop() {
        const QStringList order = desktop->stacking();
        return order.contains(title) && order.contains(backdrop) &&
               order.indexOf(title) > order.indexOf(backdrop);
    }
    QString run(const char* tool, const QStringList& arguments) {
        return desktop->run(QString::fromLatin1(tool), arguments);
    }

    std::unique_ptr<Desktop> desktop;
    QString backdrop, title;
};

// A click on the backdrop around the screen leaves the screen in front.
TEST_P(OnADesktop, AClickOnTheBackdropNeverHidesTheScreen) {
    ASSERT_TRUE(waitFor([&] { return titleAboveBackdrop(); }));
    run("xdotool", {QStringLiteral("mousemove"), QStringLiteral("5"), QStringLiteral("5"),
                    QStringLiteral("click"), QStringLiteral("1")});
    waitFor([] { return false; }, 700); // what the window manager does with the click
    EXPECT_TRUE(titleAboveBackdrop()) << "the backdrop came in front of the title";
    run("xdotool", {QStringLiteral("mousemove"), QStringLiteral("1270"), QStringLiteral("1010"),
                    QStringLiteral("click"), QStringLiteral("1")});
    waitFor([] { return false; }, 700);
    EXPECT_TRUE(titleAboveBackdrop()) << "a second click brought the backdrop in front";
}

// Minimising the screen minimises the whole program; restoring it brings the same screen
// back, in front of the backdrop.
TEST_P(OnADesktop, MinimisingAScreenMinimisesTheProgramAndRestoringBringsItBack) {
    run("xdotool", {QStringLiteral("windowminimize"), title});
    EXPECT_TRUE(waitFor([&] { return !desktop->shown(title); })) << "the title stayed up";
    EXPECT_TRUE(waitFor([&] { return !desktop->shown(backdrop); }))
        << "the backdrop stayed up without its screen";
    run("xdotool", {QStringLiteral("windowactivate"), title});
    EXPECT_TRUE(waitFor([&] { return desktop->shown(title) && desktop->shown(backdrop); }))
        << "not restored whole";
    EXPECT_TRUE(waitFor([&] { return titleAboveBackdrop(); })) << "the title is behind";
}

// The window manager shows the program's own icon, and offers no maximise on a screen whose
// size is fixed: the title, and the main menu with the common frame.
TEST_P(OnADesktop, TheWindowsCarryTheProgramsIconAndFixedScreensCannotBeMaximised) {
    const auto expectFixedWithIcon = [&](const QString& window, const char* name) {
        EXPECT_TRUE(waitFor([&] {
            return desktop->property(window, QStringLiteral("_NET_WM_ICON"))
                .contains(QLatin1Char('='));
        })) << name
            << " has no icon";
        const QString allowed =
            desktop->property(window, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"));
        if (allowed.contains(QLatin1Char('='))) {
            EXPECT_FALSE(allowed.contains(QLatin1String("MAXIMIZE")))
                << name << ": " << allowed.toStdString();
        }
        const QString hints = desktop->property(window, QStringLiteral("WM_NORMAL_HINTS"));
        EXPECT_TRUE(hints.contains(QLatin1String("minimum size")) &&
                    hints.contains(QLatin1String("maximum size")))
            << name << ": " << hints.toStdString();
    };
    expectFixedWithIcon(title, "the title");
    // "OK" is the title's default button.
    run("xdotool", {QStringLiteral("windowactivate"), QStringLiteral("--sync"), title});
    run("xdotool", {QStringLiteral("key"), QStringLiteral("Return")});
    QString menu;
    ASSERT_TRUE(waitFor([&] {
        for (const XWindow& window : desktop->programWindows())
            if (window.id != backdrop && window.id != title) menu = window.id;
        return !menu.isEmpty();
    })) << "the main menu never showed";
    expectFixedWithIcon(menu, "the main menu");
}

INSTANTIATE_TEST_SUITE_P(
    WindowManagers, OnADesktop,
    ::testing::Values(
        WindowManagerCommand{"openbox",
                             {QStringLiteral("openbox"), QStringLiteral("--sm-disable")}},
        WindowManagerCommand{"xfwm4",
                             {QStringLiteral("dbus-run-session"), QStringLiteral("--"),
                              QStringLiteral("xfwm4"), QStringLiteral("--compositor=off")}},
        WindowManagerCommand{"mutter",
                             {QStringLiteral("dbus-run-session"), QStringLiteral("--"),
                              QStringLiteral("mutter"), QStringLiteral("--x11"),
                              QStringLiteral("--replace"), QStringLiteral("--sm-disable")}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
