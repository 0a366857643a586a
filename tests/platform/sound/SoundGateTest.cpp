// The program's sound gate in front of the real engine: with sound off, nothing reaches the
// loudspeaker at all; switched on, the same call is heard.
#include "EngineFixture.h"
#include "RecordingPrinter.h"
#include "TestDoubles.h"

#include "shell/App.h"

using namespace av;
using namespace av::test;
using namespace std::chrono_literals;

namespace {

class SoundGateTest : public SoundEngineTest {
  protected:
    void SetUp() override {
        SoundEngineTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        folder = std::make_unique<ProgramFolder>(dir.path());
        app = std::make_unique<App>(
            Services{*folder, messages, *service, pictures, random, display, printer});
        openCard();
    }

    Signal clickThroughTheGate() {
        return listen([&] { app->playSound(ClickSound); }, 500ms);
    }

    RecordingMessageBox messages;
    FakePictures pictures;
    ScriptedRandom random;
    FakeDisplay display;
    RecordingPrinter printer;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<App> app;
};

TEST_F(SoundGateTest, SoundOffAndSoundNeverSwitchedOnAreSilent) {
    const Signal unset = clickThroughTheGate();
    EXPECT_TRUE(silent(unset, 0, unset.samples.size())) << "before sound was ever switched on";
    app->state.soundOn = 0;
    const Signal off = clickThroughTheGate();
    EXPECT_TRUE(silent(off, 0, off.samples.size())) << "with sound off";
    app->state.soundOn = 1;
    expectWhole(clickThroughTheGate(), reference(QStringLiteral("click")));
}

} // namespace
