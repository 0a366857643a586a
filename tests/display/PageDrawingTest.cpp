// The whole program with one page of the pyramids' key facts replaced by a page that takes
// the player its full time to draw: the program keeps answering while it is drawn, a page
// turned meanwhile is the page that ends on show, and leaving meanwhile is safe.
#include "BuildFolders.h"
#include "DisplayFixture.h"
#include "EventWait.h"
#include "PagePixels.h"
#include "PaintCounter.h"
#include "SlowPages.h"
#include "views/PageViewerView.h"

#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "pages/PageViewer.h"
#include "program/Program.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace av;
using namespace av::test;

namespace {

const QString SlowPage = QStringLiteral("key pyramidsa.wmf");

// The program's data tree, linked file by file, with the slow page in the first one's place.
class SlowPageTree {
  public:
    SlowPageTree() {
        const QDir program(built::programDir());
        const QDir here(m_dir.path());
        for (const QString& folder :
             {QStringLiteral("Images"), QStringLiteral("wav"), QStringLiteral("wmf2"),
              QStringLiteral("logo"), QStringLiteral("multiple"), QStringLiteral("wmf")}) {
            here.mkpath(folder);
            const QDir from(program.filePath(folder));
            for (const QString& file : from.entryList(QDir::Files))
                if (!(folder == QLatin1String("wmf") && file == SlowPage))
                    QFile::link(from.filePath(file), here.filePath(folder + u'/' + file));
        }
        QFile slow(here.filePath(QStringLiteral("wmf/") + SlowPage));
        if (slow.open(QIODevice::WriteOnly)) slow.write(wmf::test::crossedPolygonPage(50, 2000));
    }
    QString path() const { return m_dir.path(); }

  private:
    QTemporaryDir m_dir;
};

// On the X display when there is one, on the offscreen platform otherwise.
class SlowPageOnTheDisplay : public ::testing::Test {
  protected:
    // Into the pyramids' key facts, whose first page is the slow one.
    PageViewer& openKeyFacts() {
        auto& windows = program->app().windows;
        windows.get<TitleScreen>().onOkClicked();
        windows.get<MainMenu>().onEntryClicked(MenuEntry::Pyramids);
        dynamic_cast<TopicScreen&>(
            *windows.loaded(QString::fromLatin1(glossary::window::PyramidsTopic)))
            .onLinkClicked(TopicLink::KeyFacts);
        return windows.get<PageViewer>();
    }
    // Runs step on a timer, from the event loop, at the third tick while the viewer has
    // painted its page without it being drawn yet; how many ticks came while it was drawn.
    int whileDrawing(PageViewer& viewer, const std::function<void()>& step) {
        const PaintCounter paints(&PageViewerView(viewer).pageBox());
        int ticks = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            if (paints.count() == 0 || viewer.pageDrawn()) return;
            if (++ticks < 3) return;
            ticker.stop();
            step();
        });
        ticker.start();
        runUntil([&] { return ticks >= 3; });
        ticker.stop();
        return ticks;
    }

    SlowPageTree tree;
    std::unique_ptr<Program> program = std::make_unique<Program>(tree.path());
};

TEST_F(SlowPageOnTheDisplay, APageTurnedWhileTheSlowPageDrawsIsThePageShown) {
    display::startAndWait(*program);
    PageViewer& viewer = openKeyFacts();
    const int ticks = whileDrawing(viewer, [&] {
        QTest::mouseClick(&PageViewerView(viewer).link(PageWindow::NextLink), Qt::LeftButton);
    });
    ASSERT_GE(ticks, 3) << "the program answered no timer while the slow page was drawn";
    EXPECT_EQ(PageViewerView(viewer).pageNumber().caption(), QStringLiteral("Page 2 of 3"))
        << "the click was handled at once";
    ASSERT_TRUE(runUntil([&] { return viewer.pageDrawn(); }));
    runFor(700); // the slow page is done by now too, and must not come back
    const QColor under = viewer.backColor();
    const PicturePtr second =
        program->app().services.pictures.load(QStringLiteral("wmf\\key pyramidsb.wmf"));
    const QImage expected =
        pictureFromRecords(*second, PageViewerView(viewer).pageBox().size(), under);
    EXPECT_EQ(differingPixels(boxPixels(PageViewerView(viewer).pageBox(), under), expected), 0);
    const PicturePtr slow =
        program->app().services.pictures.load(QStringLiteral("wmf\\") + SlowPage);
    EXPECT_GT(differingPixels(expected, pictureFromRecords(*slow, expected.size(), under)), 1000)
        << "the two pages look different, so the comparison tells them apart";
}

// Exit while the slow page is drawn, then the whole program goes before the drawing is done.
TEST_F(SlowPageOnTheDisplay, LeavingWhileTheSlowPageDrawsIsSafe) {
    display::startAndWait(*program);
    PageViewer& viewer = openKeyFacts();
    bool left = false;
    const int ticks = whileDrawing(viewer, [&] {
        QTest::mouseClick(&PageViewerView(viewer).link(PageWindow::ExitLink), Qt::LeftButton);
        left = true;
    });
    EXPECT_GE(ticks, 3);
    ASSERT_TRUE(left) << "Exit was not handled while the slow page was drawn";
    runFor(20);
    EXPECT_FALSE(
        program->app().windows.isLoaded(QString::fromLatin1(glossary::window::PageViewer)));
    program.reset();
    runFor(50);
}

} // namespace
