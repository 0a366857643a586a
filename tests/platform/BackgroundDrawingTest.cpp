// Pages drawn off the UI thread: the thread keeps answering meanwhile, a box shows only the
// picture it holds and only once it is whole, and nothing breaks when the box, or every
// picture, goes while a drawing is under way.
#include "BuildFolders.h"
#include "EventWait.h"
#include "PagePixels.h"
#include "PaintCounter.h"
#include "SlowPages.h"

#include "platform/CopyDrawer.h"
#include "platform/DrawnCopies.h"
#include "platform/KeptPicture.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "wmf/Metafile.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>

using namespace av;
using namespace av::test;

namespace {

// A picture that notes the thread it is drawn on and, when asked, holds its drawing until let go
// (or five seconds have passed, so that a drawing on the UI thread fails the test, not hangs).
class WatchedPicture : public Picture {
  public:
    explicit WatchedPicture(PicturePtr inner, std::shared_future<void> gate = {})
        : m_inner(std::move(inner)), m_gate(std::move(gate)) {}
    QSizeF sizeTwips() const override { return m_inner->sizeTwips(); }
    void draw(QPainter& painter, const QRectF& target) const override {
        m_thread = QThread::currentThread();
        ++m_draws;
        if (m_gate.valid()) m_gate.wait_for(std::chrono::seconds(5)); // never for ever
        m_inner->draw(painter, target);
    }
    QThread* thread() const { return m_thread; }
    int draws() const { return m_draws; }

  private:
    PicturePtr m_inner;
    std::shared_future<void> m_gate;
    mutable std::atomic<QThread*> m_thread = nullptr;
    mutable std::atomic<int> m_draws = 0;
};

PicturePtr programPage(const char* name) {
    QFile file(built::programDir() + QStringLiteral("/wmf/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    return wmf::Metafile::load(file.readAll());
}

PicturePtr slowPage() {
    return wmf::Metafile::load(wmf::test::crossedPolygonPage(50, 2000));
}

// A window with one image box, the way the page windows show their pages.
class PageBoxTest : public ::testing::Test {
  protected:
    PageBoxTest() { window->resize(800, 600); }
    std::shared_ptr<KeptPicture> kept(PicturePtr picture, const QString& key) {
        return std::make_shared<KeptPicture>(std::move(picture), key, copies);
    }
    void showPicture(PicturePtr picture) {
        box->setPicture(std::move(picture));
        window->show();
    }
    // The box has painted since it took its picture, without it being drawn yet.
    bool drawing() const { return paints.count() > 0 && !box->pictureShown(); }

    // The page is compared as it is painted over this, the page windows' colour.
    const QColor WindowBlue{0, 78, 152};
    QImage expected(const Picture& picture) {
        return pictureFromRecords(picture, box->size(), WindowBlue);
    }
    std::shared_ptr<DrawnCopies> copies = std::make_shared<DrawnCopies>(6 * 1024 * 1024);
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    Image* box = new Image(window.get());
    PaintCounter paints{box};
};

// The page drawn on the worker is the page its records draw, pixel for pixel, and the UI
// thread never played them.
TEST_F(PageBoxTest, APageDrawnInTheBackgroundLooksAsItsRecordsDrawIt) {
    for (const char* name : {"key pyramidsa.wmf", "guide2.wmf"}) {
        SCOPED_TRACE(name);
        const PicturePtr page = programPage(name);
        ASSERT_NE(page, nullptr);
        const auto watched = std::make_shared<WatchedPicture>(page);
        showPicture(kept(watched, QString::fromLatin1(name)));
        ASSERT_TRUE(runUntil([&] { return box->pictureShown(); }));
        EXPECT_NE(watched->thread(), QThread::currentThread()) << "drawn on the UI thread";
        EXPECT_EQ(watched->draws(), 1);
        EXPECT_EQ(differingPixels(boxPixels(*box, WindowBlue), expected(*page)), 0);
        QImage blank(box->size(), QImage::Format_RGB32);
        blank.fill(WindowBlue);
        EXPECT_GT(differingPixels(boxPixels(*box, WindowBlue), blank), 1000) << "the page is drawn";
        EXPECT_EQ(watched->draws(), 1) << "a repaint comes from the drawn copy";
    }
}

// Timers fire and the box takes another page while a slow page is drawn; it ends showing the
// page it holds, never the slow one.
TEST_F(PageBoxTest, TheUiThreadAnswersWhileASlowPageDrawsAndTheBoxShowsThePageItHolds) {
    const PicturePtr slow = slowPage();
    const PicturePtr next = programPage("key pyramidsb.wmf");
    ASSERT_TRUE(slow && next);
    int ticksWhileDrawing = 0;
    bool turned = false;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (!drawing()) return;
        ++ticksWhileDrawing;
        if (ticksWhileDrawing == 3) {
            box->setPicture(kept(next, QStringLiteral("next")));
            turned = true;
        }
    });
    ticker.start();
    showPicture(kept(slow, QStringLiteral("slow")));
    ASSERT_TRUE(runUntil([&] { return turned && box->pictureShown(); }))
        << "timer ticks while the slow page was drawn: " << ticksWhileDrawing;
    ticker.stop();
    EXPECT_GE(ticksWhileDrawing, 3);
    EXPECT_EQ(differingPixels(boxPixels(*box, WindowBlue), expected(*next)), 0);
    // The slow page, once drawn, is kept but not shown.
    runUntil([&] { return copies->drawing() == 0; });
    QCoreApplication::processEvents();
    EXPECT_EQ(differingPixels(boxPixels(*box, WindowBlue), expected(*next)), 0);
}

// The page is turned before the worker has begun the first one: the page turned to comes back
// first and stays on show when the first comes back after it; the first is kept for a return.
TEST_F(PageBoxTest, APageTurnedBeforeTheFirstWasBegunStaysOnShowWhenTheFirstComesBack) {
    std::promise<void> release;
    const auto busy = std::make_shared<WatchedPicture>(slowPage(), release.get_future().share());
    copies->drawLater(QStringLiteral("drawn ahead"), busy, QSizeF(100, 100), 1, false);
    ASSERT_TRUE(runUntil([&] { return busy->draws() == 1; })) << "the worker never began";
    const PicturePtr first = programPage("key pyramidsa.wmf");
    const PicturePtr next = programPage("key pyramidsb.wmf");
    ASSERT_TRUE(first && next);
    showPicture(kept(first, QStringLiteral("first")));
    ASSERT_TRUE(runUntil([&] { return paints.count() > 0; }));
    const int paintsOfTheFirst = paints.count();
    box->setPicture(kept(next, QStringLiteral("next")));
    ASSERT_TRUE(runUntil([&] { return paints.count() > paintsOfTheFirst; }));
    release.set_value();
    ASSERT_TRUE(runUntil([&] { return copies->drawing() == 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(differingPixels(boxPixels(*box, WindowBlue), expected(*next)), 0);
    EXPECT_TRUE(box->pictureShown());

    box->setPicture(kept(first, QStringLiteral("first")));
    EXPECT_EQ(differingPixels(boxPixels(*box, WindowBlue), expected(*first)), 0);
    EXPECT_EQ(copies->drawing(), 0) << "the first page was drawn again";
}

// The box and its window go while their page is drawn, then every picture and the drawn
// copies themselves: the drawing is waited for or dropped, nothing is called on what is gone.
TEST_F(PageBoxTest, ClosingWhileAPageDrawsIsSafe) {
    std::promise<void> release;
    const auto held = std::make_shared<WatchedPicture>(slowPage(), release.get_future().share());
    showPicture(kept(held, QStringLiteral("held")));
    ASSERT_TRUE(runUntil([&] { return held->draws() == 1; })) << "the drawing never started";
    EXPECT_TRUE(drawing());
    window.reset();
    release.set_value();
    ASSERT_TRUE(runUntil([&] { return copies->drawing() == 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(copies->count(), 1) << "the page drawn for a closed window is kept for its return";

    // Now the copies go with a drawing under way and another queued behind it.
    std::promise<void> second;
    const auto underWay = std::make_shared<WatchedPicture>(slowPage(), second.get_future().share());
    const auto queued = std::make_shared<WatchedPicture>(slowPage());
    copies->drawLater(QStringLiteral("under way"), underWay, QSizeF(733, 500), 1, true,
                      [] { ADD_FAILURE() << "a callback after the copies went"; });
    copies->drawLater(QStringLiteral("queued"), queued, QSizeF(733, 500), 1, false);
    ASSERT_TRUE(runUntil([&] { return underWay->draws() == 1; }));
    std::thread letGo([&] {
        QThread::msleep(50);
        second.set_value();
    });
    copies.reset();
    letGo.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(queued->draws(), 0) << "a queued drawing is dropped";
}

// Copies a window waits for go ahead of those drawn ahead of need; one order is drawn once.
TEST(CopyDrawer, UrgentCopiesGoFirstAndEachIsDrawnOnce) {
    std::promise<void> release;
    const PicturePtr page = programPage("key wordsa.wmf");
    ASSERT_NE(page, nullptr);
    const auto first = std::make_shared<WatchedPicture>(page, release.get_future().share());
    std::mutex mutex;
    QStringList delivered;
    CopyDrawer drawer([&](const CopyDrawer::Order& order, const QImage& copy, const PackedImage&) {
        EXPECT_EQ(copy.size(), QSize(100, 80));
        EXPECT_EQ(copy.devicePixelRatio(), 2);
        std::lock_guard lock(mutex);
        delivered << order.key;
    });
    const QSizeF size(50, 40);
    drawer.order({QStringLiteral("first"), first, size, 2}, false);
    ASSERT_TRUE(runUntil([&] { return first->draws() == 1; }));
    for (const char* key : {"ahead 1", "ahead 2"})
        drawer.order({QString::fromLatin1(key), page, size, 2}, false);
    drawer.order({QStringLiteral("ahead 1"), page, size, 2}, false);
    drawer.order({QStringLiteral("first"), first, size, 2}, true);
    drawer.order({QStringLiteral("wanted now"), page, size, 2}, true);
    EXPECT_EQ(drawer.outstanding(), 4);
    release.set_value();
    ASSERT_TRUE(runUntil([&] { return drawer.outstanding() == 0; }));
    EXPECT_EQ(delivered, (QStringList{QStringLiteral("first"), QStringLiteral("wanted now"),
                                      QStringLiteral("ahead 1"), QStringLiteral("ahead 2")}));
    EXPECT_EQ(first->draws(), 1);
}

} // namespace
