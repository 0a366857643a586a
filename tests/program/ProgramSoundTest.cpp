// The whole program over the real sound engine and a PulseAudio server of the test's own: the
// sounds of a pupil's first minutes reach the loudspeaker, each one whole.
#include "BuildFolders.h"
#include "Listening.h"
#include "PulseCapture.h"
#include "TestApp.h"
#include "views/MainMenuView.h"
#include "views/TitleScreenView.h"
#include "views/TopicScreenView.h"

#include "activities/ActivityWindow.h"
#include "menu/MainMenu.h"
#include "menu/TopicScreen.h"
#include "program/Program.h"
#include "quiz/QuizScreen.h"
#include "shell/Glossary.h"
#include "shell/TitleScreen.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <thread>

using namespace av;
using namespace av::test;
using namespace std::chrono_literals;
namespace win = av::glossary::window;

namespace {

void pump(std::chrono::milliseconds span) {
    const auto until = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(5ms);
    }
}

bool mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

double length(const Signal& s) {
    const std::optional<std::size_t> first = firstSound(s);
    return first ? double(*lastSound(s) - *first) / s.rate : 0.0;
}

class ProgramSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!capture.failure().isEmpty())
            GTEST_SKIP() << "no sound server of our own: " << capture.failure().toStdString();
        program = std::make_unique<Program>(built::programDir());
    }

    // What arrives after `act`, measured against the shipped file it should be.
    template <class F> void expectHeard(F act, const char* sound) {
        SCOPED_TRACE(sound);
        const std::optional<Signal> file =
            readPlainWave(built::programDir() + QStringLiteral("/wav/") + QLatin1String(sound));
        ASSERT_TRUE(file);
        const std::size_t mark = capture.frames();
        act();
        processDeferredDeletes();
        pump(std::chrono::milliseconds(int(file->seconds() * 1000) + 300));
        const Signal heard{capture.since(mark), PulseCapture::Rate};
        ASSERT_TRUE(firstSound(heard)) << "nothing was heard";
        EXPECT_NEAR(length(heard), length(*file), 0.03);
    }

    // The pupil's hand on the mouse, over the title.
    void movePointer() {
        QWidget& title = program->app().windows.get<TitleScreen>();
        const QPointF at(title.width() / 2.0, title.height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, at, title.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&title, &move);
    }

    template <class W> W& window(const char* name) {
        auto* w = dynamic_cast<W*>(program->app().windows.loaded(QString::fromLatin1(name)));
        if (!w) throw std::runtime_error(std::string("not loaded: ") + name);
        return *w;
    }

    PulseCapture capture; // first: it points the sound library at its server
    std::unique_ptr<Program> program;
};

TEST_F(ProgramSoundTest, TheSoundLibraryIsLoadedOnlyOnceTheTitleIsUpAndTouched) {
    ASSERT_FALSE(mapped("libSDL2")) << "loaded before the program started";
    program->start();
    EXPECT_FALSE(mapped("libSDL2"));
    pump(300ms);
    EXPECT_FALSE(mapped("libSDL2")) << "loaded for a title nobody has touched";
    movePointer();
    pump(300ms);
    EXPECT_TRUE(mapped("libSDL2"));
}

// A command given with no pointer or key (through assistive technology, say) is heard too.
TEST_F(ProgramSoundTest, TheFirstSoundOpensTheCardWhenNothingHasBeenTouched) {
    program->start();
    pump(300ms);
    ASSERT_FALSE(mapped("libSDL2"));
    expectHeard(
        [&] { TitleScreenView(program->app().windows.get<TitleScreen>()).okButton().click(); },
        "click.wav");
}

TEST_F(ProgramSoundTest, TheClickTheQuizKeyAndASnapAreHeard) {
    program->start();
    pump(300ms);   // the title screen is up
    movePointer(); // the card opens while the pointer goes to the first click
    pump(300ms);
    expectHeard(
        [&] { TitleScreenView(program->app().windows.get<TitleScreen>()).okButton().click(); },
        "click.wav");
    expectHeard(
        [&] { MainMenuView(window<MainMenu>(win::MainMenu)).entry(MenuEntry::Pyramids).click(); },
        "click.wav");
    expectHeard(
        [&] {
            TopicScreenView(window<TopicScreen>(win::PyramidsTopic))
                .link(TopicLink::MultipleChoice)
                .click();
        },
        "click.wav");
    expectHeard([&] { window<QuizScreen>(win::Quiz).choiceBox(2).click(); }, "typekey.wav");
    expectHeard([&] { window<QuizScreen>(win::Quiz).link(QuizLink::Exit).click(); }, "click.wav");
    expectHeard(
        [&] {
            TopicScreenView(window<TopicScreen>(win::PyramidsTopic))
                .link(TopicLink::LabellingActivity)
                .click();
        },
        "click.wav");
    ActivityWindow& lab = window<ActivityWindow>(win::PyramidsLabelling);
    expectHeard(
        [&] {
            lab.moveLabel(0, lab.targetBoxes()[0].Left(), lab.targetBoxes()[0].Top());
            lab.onLabelDropped(0, MouseArgs{1, 0, 0, 0});
        },
        "thud3.wav");
}

} // namespace
