#include "BuildFolders.h"
#include "DisplayEnvironment.h"
#include "DisplayFixture.h"
#include "EventWait.h"
#include "PaintCounter.h"
#include "views/PageWindowView.h"
#include "views/TitleScreenView.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageWindow.h"
#include "platform/CoveredWindows.h"
#include "platform/QtServices.h"
#include "program/Program.h"
#include "quiz/ResultsScreen.h"
#include "shell/Backdrop.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace av;
using av::test::PageWindowView;
using av::test::TitleScreenView;
namespace win = av::glossary::window;
using av::test::runFor;
using av::test::runUntil;
using av::test::display::OnTheDisplay;

namespace {

const QColor BackdropBlue(48, 133, 214);

QImage screenShot() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
}

// The share of a window's own pixels that the screen shows where the window stands: a window
// covered by another shows few of them.
double shownShare(const QImage& screen, QWidget& window) {
    const QImage own = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = window.mapToGlobal(QPoint(0, 0));
    int same = 0, all = 0;
    for (int y = 0; y < own.height(); y += 3)
        for (int x = 0; x < own.width(); x += 3) {
            const QPoint p = at + QPoint(x, y);
            if (!screen.rect().contains(p)) continue;
            ++all;
            if (screen.pixel(p) == own.pixel(x, y)) ++same;
        }
    return all ? double(same) / all : 0;
}

TEST_F(OnTheDisplay, TheTitleShowsItsPictureAndTextsOverTheBackdrop) {
    Program program(built::programDir());
    startAndWait(program);
    auto& windows = program.app().windows;
    auto& title = windows.get<TitleScreen>();
    auto* grey = windows.find<Backdrop>();
    ASSERT_NE(grey, nullptr);
    EXPECT_TRUE(grey->filledNatively()) << "on X the window system fills the backdrop";

    const QImage screen = screenShot();
    EXPECT_EQ(QColor(screen.pixel(4, 4)), BackdropBlue);
    EXPECT_EQ(QColor(screen.pixel(screen.width() - 5, screen.height() - 5)), BackdropBlue);
    EXPECT_GT(shownShare(screen, title), 0.99);

    const PicturePanel& sphinx = TitleScreenView(title).picture();
    const QRect picture(sphinx.mapToGlobal(QPoint(0, 0)), sphinx.size());
    QSet<QRgb> colours;
    for (int y = picture.top(); y < picture.bottom(); y += 2)
        for (int x = picture.left(); x < picture.right(); x += 2)
            colours.insert(screen.pixel(x, y));
    EXPECT_GT(colours.size(), 100) << "the sphinx picture is on the screen";

    const Label& programTitle = TitleScreenView(title).programTitle();
    const QRect heading(programTitle.mapToGlobal(QPoint(0, 0)), programTitle.size());
    int ink = 0;
    for (int y = heading.top(); y < heading.bottom(); ++y)
        for (int x = heading.left(); x < heading.right(); ++x) {
            const QColor c(screen.pixel(x, y));
            if (c.blue() > 150 && c.red() < 60 && c.green() < 60) ++ink;
        }
    EXPECT_GT(ink, 500) << "the title's heading is written in dark blue";
}

// Each screen opened is shown whole above the backdrop, and the backdrop still fills the rest.
TEST_F(OnTheDisplay, TheBackdropStaysBehindEveryScreen) {
    Program program(built::programDir());
    startAndWait(program);
    auto& windows = program.app().windows;
    auto check = [&](const char* name) {
        runFor(150);
        Window* window = windows.loaded(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr) << name;
        const QImage screen = screenShot();
        EXPECT_GT(shownShare(screen, *window), 0.99) << name << " is covered";
        EXPECT_EQ(QColor(screen.pixel(4, 4)), BackdropBlue) << "backdrop gone under " << name;
    };
    windows.get<TitleScreen>().onOkClicked();
    check(win::MainMenu);
    auto& menu = windows.get<MainMenu>();
    menu.onEntryClicked(MenuEntry::Pyramids);
    check(win::PyramidsTopic);
    dynamic_cast<TopicScreen&>(*windows.loaded(QString::fromLatin1(win::PyramidsTopic)))
        .onLinkClicked(TopicLink::KeyFacts);
    check(win::PageViewer);
    auto& pages = dynamic_cast<PageWindow&>(*windows.loaded(QString::fromLatin1(win::PageViewer)));
    pages.onLinkClicked(PageWindow::NextLink);
    check(win::PageViewer);
    pages.onLinkClicked(PageWindow::ExitLink);
    runFor(50);
    dynamic_cast<TopicScreen&>(*windows.loaded(QString::fromLatin1(win::PyramidsTopic)))
        .onLinkClicked(TopicLink::MultipleChoice);
    check(win::Quiz);
    menu.onEntryClicked(MenuEntry::TeachersGuide);
    check(win::TeachersGuide);
    menu.onEntryClicked(MenuEntry::Exit);
    check(win::Title);
}

// Screens stacked on one another hold an off-screen copy only for the one in front; as each
// goes, the screen under it is shown whole again, drawn anew, not what covered it.
TEST_F(OnTheDisplay, CoveredScreensLetGoOfTheirCopiesAndComeBackWhole) {
    Program program(built::programDir());
    startAndWait(program);
    auto& windows = program.app().windows;
    auto loaded = [&](const char* name) -> Window& {
        Window* window = windows.loaded(QString::fromLatin1(name));
        if (!window) throw std::runtime_error(std::string("not loaded: ") + name);
        return *window;
    };
    auto shownWhole = [&](const char* name) {
        return runUntil([&] { return shownShare(screenShot(), loaded(name)) > 0.99; }, 5000);
    };
    windows.get<TitleScreen>().onOkClicked();
    ASSERT_TRUE(shownWhole(win::MainMenu));
    windows.get<MainMenu>().onEntryClicked(MenuEntry::Pyramids);
    ASSERT_TRUE(shownWhole(win::PyramidsTopic));
    dynamic_cast<TopicScreen&>(loaded(win::PyramidsTopic))
        .onLinkClicked(TopicLink::LabellingActivity);
    ASSERT_TRUE(shownWhole(win::PyramidsLabelling));
    dynamic_cast<ActivityWindow&>(loaded(win::PyramidsLabelling))
        .onLinkClicked(ActivityLink::CheckScore);
    ASSERT_TRUE(shownWhole(win::Results));

    const std::vector<const char*> under{win::PyramidsLabelling, win::PyramidsTopic, win::MainMenu};
    runUntil([&] {
        return std::none_of(under.begin(), under.end(),
                            [&](const char* name) { return covered::holdsCopy(loaded(name)); });
    });
    for (const char* name : under)
        EXPECT_FALSE(covered::holdsCopy(loaded(name))) << name << " still holds its copy";
    EXPECT_TRUE(covered::holdsCopy(loaded(win::Results)));

    dynamic_cast<ResultsScreen&>(loaded(win::Results)).onLinkClicked(ResultsLink::Exit);
    EXPECT_TRUE(shownWhole(win::PyramidsLabelling)) << "the activity is not shown whole";
    EXPECT_TRUE(covered::holdsCopy(loaded(win::PyramidsLabelling)));
    EXPECT_FALSE(covered::holdsCopy(loaded(win::PyramidsTopic)));

    dynamic_cast<ActivityWindow&>(loaded(win::PyramidsLabelling)).onLinkClicked(ActivityLink::Exit);
    EXPECT_TRUE(shownWhole(win::PyramidsTopic)) << "the topic screen is not shown whole";
}

// Back from the pages, a topic screen keeps only its two first pages, packed: the page window's
// copies, the one it showed held whole among them, are let go.
TEST_F(OnTheDisplay, BackFromThePagesATopicKeepsOnlyItsFirstPagesPacked) {
    Program program(built::programDir());
    startAndWait(program);
    auto& windows = program.app().windows;
    const auto& drawn =
        dynamic_cast<FilePictureService&>(program.app().services.pictures).drawnCopies();
    auto drawnOnce = [&](int count) {
        return runUntil([&] { return drawn.drawing() == 0 && drawn.count() >= count; });
    };
    auto pages = [&]() -> PageWindow& {
        return dynamic_cast<PageWindow&>(*windows.loaded(QString::fromLatin1(win::PageViewer)));
    };
    windows.get<TitleScreen>().onOkClicked();
    windows.get<MainMenu>().onEntryClicked(MenuEntry::Pyramids);
    auto& topic =
        dynamic_cast<TopicScreen&>(*windows.loaded(QString::fromLatin1(win::PyramidsTopic)));
    ASSERT_TRUE(drawnOnce(2));
    topic.onLinkClicked(TopicLink::KeyFacts);
    for (int turn = 0; turn < 2; ++turn) {
        ASSERT_TRUE(runUntil([&] { return pages().pageDrawn(); }));
        pages().onLinkClicked(PageWindow::NextLink);
    }
    ASSERT_TRUE(runUntil([&] { return pages().pageDrawn(); }));
    ASSERT_TRUE(drawnOnce(3)) << "the page window keeps the pages next to its own";
    const Image& page = PageWindowView(pages()).pageBox();
    const qsizetype wholePage = qsizetype(page.width()) * page.height() * 4;
    EXPECT_GE(drawn.bytes(), wholePage) << "the page on show is held whole";

    pages().onLinkClicked(PageWindow::ExitLink);
    runUntil([&] { return drawn.count() == 2; }, 5000);
    EXPECT_EQ(drawn.count(), 2) << "the first pages of the key facts and the teacher's notes";
    EXPECT_LT(drawn.bytes(), wholePage / 2) << "and both packed";

    // Opened again at once, before the topic screen has let go of the other pages: what the
    // page window draws ahead of its first page is not let go under it.
    topic.onLinkClicked(TopicLink::KeyFacts);
    ASSERT_TRUE(runUntil([&] { return pages().pageDrawn(); }));
    pages().onLinkClicked(PageWindow::ExitLink);
    topic.onLinkClicked(TopicLink::KeyFacts);
    ASSERT_TRUE(runUntil([&] { return pages().pageDrawn(); }));
    EXPECT_TRUE(drawnOnce(3)) << "its first page, the next one, and the notes' first page";
}

// A picture larger than the room to the window's edge takes its own size from its place and is
// cut off there, never shrunk: the pyramids picture covers the whole labelling window, with no
// strip of the frame's colour at the bottom and its scene where the file has it.
TEST_F(OnTheDisplay, APictureShowsAtItsOwnSizeCutOffAtTheWindowsEdge) {
    Program program(built::programDir());
    startAndWait(program);
    auto& windows = program.app().windows;
    windows.get<TitleScreen>().onOkClicked();
    windows.get<MainMenu>().onEntryClicked(MenuEntry::Pyramids);
    dynamic_cast<TopicScreen&>(*windows.loaded(QString::fromLatin1(win::PyramidsTopic)))
        .onLinkClicked(TopicLink::LabellingActivity);
    auto& activity =
        dynamic_cast<ActivityWindow&>(*windows.loaded(QString::fromLatin1(win::PyramidsLabelling)));
    runFor(150);

    QImage file(built::programDir() + QStringLiteral("/Images/s8.jpg"));
    ASSERT_FALSE(file.isNull());
    file = file.convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(file.width(), activity.width()) << "the picture is wider than the window";
    EXPECT_EQ(activity.pictures()[0].size(), file.size());

    // Between the boxes and lines, the window shows the file's own pixels where they fall.
    const QImage shown = activity.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = shown.devicePixelRatio();
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b)) <
               24;
    };
    int same = 0, all = 0, frame = 0;
    for (int x = 2; x < activity.width() - 2; x += 5) {
        for (int y : {activity.height() - 1, activity.height() - 4})
            if (shown.pixel(QPoint(x, y) * ratio) == qRgb(0, 78, 152)) ++frame;
        for (int y : {150, 290, 400}) {
            ++all;
            if (near(shown.pixel(QPoint(x, y) * ratio), file.pixel(x, y))) ++same;
        }
    }
    EXPECT_EQ(frame, 0) << "the frame's colour shows through";
    EXPECT_GT(same, all * 9 / 10) << "the scene is shifted or scaled";
}

class QuitAfterFirstFrame : public ::testing::TestWithParam<const char*> {};

// The real program, started as a user would, ends by itself with code 0 once its first frame
// is on the display.
TEST_P(QuitAfterFirstFrame, TheProgramEndsCleanlyAfterItsFirstFrame) {
    const QString platform = QString::fromLatin1(GetParam());
    if (platform == QLatin1String("xcb") && !test::display::unavailableReason().isEmpty())
        GTEST_SKIP() << "no X display: " << test::display::unavailableReason().toStdString();
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    program.setProcessEnvironment(env);
    program.start(built::programDir() + QStringLiteral("/ancient-velmora"),
                  {QStringLiteral("--quit-after-first-frame")});
    ASSERT_TRUE(program.waitForFinished(30000)) << "still running after 30 s";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(Platforms, QuitAfterFirstFrame, ::testing::Values("xcb", "offscreen"));

// The real program on the private X server, with what it wrote on standard error.
struct ProgramRun {
    int exitCode = -1;
    QString errors;
};
ProgramRun runProgram(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(built::programDir() + QStringLiteral("/ancient-velmora"),
                  arguments + QStringList{QStringLiteral("--quit-after-first-frame")});
    if (!program.waitForFinished(30000)) return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromLocal8Bit(program.readAllStandardError())};
}

QProcessEnvironment plainSession() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "WAYLAND_DISPLAY",
                             "XDG_SESSION_TYPE", "VELMORA_SCALE_FITTED"})
        env.remove(QString::fromLatin1(name));
    static const QTemporaryDir config; // no settings file of the user's
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    return env;
}

// On a Wayland session the program goes through XWayland unless the user chose a platform.
// Qt says which platforms it tries, in order.
TEST_F(OnTheDisplay, OnAWaylandSessionTheProgramRunsThroughXWayland) {
    QProcessEnvironment env = plainSession();
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.plugin=true"));
    const QString tried = QStringLiteral("pluginNamesWithArguments \"");
    const ProgramRun wayland = runProgram({}, env);
    EXPECT_EQ(wayland.exitCode, 0) << wayland.errors.toStdString();
    EXPECT_TRUE(wayland.errors.contains(tried + QStringLiteral("xcb;wayland\"")))
        << wayland.errors.toStdString();

    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const ProgramRun chosen = runProgram({}, env);
    EXPECT_EQ(chosen.exitCode, 0) << chosen.errors.toStdString();
    EXPECT_TRUE(chosen.errors.contains(tried + QStringLiteral("offscreen\"")))
        << chosen.errors.toStdString();
}

// A scale the display cannot hold is brought down to the largest at which every screen (800 x
// 600 at the scale 1) fits whole on it, and the program says so once; one that fits is kept.
TEST_F(OnTheDisplay, AScaleLargerThanTheDisplayHoldsIsReducedToOneThatFits) {
    const QSize display = QGuiApplication::primaryScreen()->size();
    const ProgramRun large =
        runProgram({QStringLiteral("--scale"), QStringLiteral("3")}, plainSession());
    EXPECT_EQ(large.exitCode, 0) << large.errors.toStdString();
    EXPECT_EQ(large.errors.count(QLatin1String("do not fit")), 1) << large.errors.toStdString();
    const QString said = QStringLiteral("drawn at the scale ");
    const qsizetype at = large.errors.indexOf(said);
    ASSERT_GE(at, 0) << large.errors.toStdString();
    const double factor =
        large.errors.mid(at + said.size()).section(QLatin1Char(' '), 0, 0).toDouble();
    EXPECT_LE(800 * factor, display.width());
    EXPECT_LE(600 * factor, display.height());
    const double larger = factor + 0.05;
    EXPECT_TRUE(800 * larger > display.width() || 600 * larger > display.height())
        << "not the largest that fits";

    const ProgramRun fits = runProgram({QStringLiteral("--scale=1.2")}, plainSession());
    EXPECT_EQ(fits.exitCode, 0);
    EXPECT_FALSE(fits.errors.contains(QLatin1String("do not fit"))) << fits.errors.toStdString();
}

// In the program's own process: the end comes after the title has painted, not before.
TEST(QuitAfterFirstFrameInProcess, EndsOnlyAfterTheTitleHasPainted) {
    Program program(built::programDir());
    bool quitAfterPaint = false;
    StartOptions options;
    options.quitAfterFirstFrame = true;
    std::unique_ptr<test::PaintCounter> paints;
    program.afterFirstFrame([&] { quitAfterPaint = paints && paints->count() > 0; });
    program.start(options);
    paints = std::make_unique<test::PaintCounter>(&program.app().windows.get<TitleScreen>());
    // The application's own loop, as the program runs in: its end leaves later tests' event
    // loops free to run, which a quit from inside a local loop would not.
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(program.firstFramePresented());
    EXPECT_TRUE(quitAfterPaint);
}

} // namespace
