// The sound engine heard through a real PulseAudio server of the test's own: what arrives in
// its pipe sink is what a loudspeaker would have played.
#include "EngineFixture.h"
#include "WaveBuilder.h"

#include <QTemporaryDir>
#include <algorithm>
#include <thread>

using namespace av;
using namespace av::test;
using namespace std::chrono_literals;

namespace {

class EverySoundTest : public SoundEngineTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(EverySoundTest, ArrivesWholeFromTheFirstSampleToTheLast) {
    openCard();
    const QString name = QLatin1String(GetParam());
    const Signal file = reference(name);
    const auto span = std::chrono::milliseconds(int(file.seconds() * 1000) + 400);
    // A machine too busy to feed the card in time leaves a gap; that passes, a fault stays.
    std::string first = wholeness(listenTo(name, span), file);
    if (first.empty()) return;
    EXPECT_EQ(wholeness(listenTo(name, span), file), std::string()) << "first try: " << first;
}

INSTANTIATE_TEST_SUITE_P(Shipped, EverySoundTest, ::testing::ValuesIn(ShippedSounds),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(SoundEngineTest, TenClicksInQuickSuccessionGiveTenSounds) {
    openCard();
    const Signal click = reference(QStringLiteral("click"));
    const std::vector<double> levels = envelope(click, 0.005);
    const double level = 0.1 * *std::max_element(levels.begin(), levels.end());
    const int perClick = onsets(click, level);
    ASSERT_GE(perClick, 1);
    const Signal heard = listen(
        [&] {
            for (int i = 0; i < 10; ++i) {
                service->play(path(QStringLiteral("click")));
                std::this_thread::sleep_for(150ms);
            }
        },
        600ms);
    EXPECT_EQ(onsets(heard, level), 10 * perClick);
}

TEST_F(SoundEngineTest, ANewSoundCutsTheOnePlaying) {
    openCard();
    const Signal gong = reference(QStringLiteral("gong"));
    const Signal thud = reference(QStringLiteral("thud3"));
    ASSERT_GT(gong.seconds(), thud.seconds() + 1.0);
    const Signal heard = listen(
        [&] {
            service->play(path(QStringLiteral("gong")));
            std::this_thread::sleep_for(400ms);
            service->play(path(QStringLiteral("thud3")));
        },
        std::chrono::milliseconds(int(gong.seconds() * 1000) + 300));
    const std::optional<std::size_t> start = firstSound(heard);
    ASSERT_TRUE(start);
    // The last sound ends where the thud ends, long before the gong would have.
    const double end = double(*lastSound(heard) - *start) / heard.rate;
    EXPECT_NEAR(end, 0.4 + thud.seconds(), 0.1);
    EXPECT_LT(end, gong.seconds() - 0.5);
}

TEST_F(SoundEngineTest, DamagedFilesAreSilentAndTheNextSoundPlays) {
    WaveBuilder good;
    good.samples = tone(4000);
    const QByteArray goodBytes = good.bytes();
    const auto variant = [](auto change) {
        WaveBuilder w;
        w.samples = tone(4000);
        change(w);
        return w.bytes();
    };
    write(QStringLiteral("cut"), goodBytes.left(30));
    write(QStringLiteral("empty"), variant([](WaveBuilder& w) { w.samples.clear(); }));
    write(QStringLiteral("eight"), variant([](WaveBuilder& w) { w.bits = 8; }));
    write(QStringLiteral("stereo"), variant([](WaveBuilder& w) { w.channels = 2; }));
    write(QStringLiteral("fast"), variant([](WaveBuilder& w) { w.rate = 44100; }));
    write(QStringLiteral("words"), QByteArray("RIFF and WAVE are only words in this file."));
    openCard();
    for (const char* damaged : {"cut", "empty", "eight", "stereo", "fast", "words", "missing"}) {
        SCOPED_TRACE(damaged);
        const Signal heard = listen(
            [&] {
                service->play(path(QLatin1String(damaged)));
                std::this_thread::sleep_for(300ms);
                service->play(path(QStringLiteral("click")));
            },
            700ms);
        const std::optional<std::size_t> start = firstSound(heard);
        ASSERT_TRUE(start) << "the good sound after it was not heard";
        EXPECT_GT(double(*start) / heard.rate, 0.29) << "the damaged file made a sound";
    }
}

TEST_F(SoundEngineTest, AFileIsReadOnceAndKept) {
    openCard();
    const Signal click = reference(QStringLiteral("click"));
    expectWhole(listenTo(QStringLiteral("click"), 400ms), click);
    write(QStringLiteral("click"), QByteArray("overwritten"));
    expectWhole(listenTo(QStringLiteral("click"), 400ms), click);
}

TEST_F(SoundEngineTest, ASoundAskedForBeforeTheCardIsReadyPlaysOnceItIs) {
    const Signal click = reference(QStringLiteral("click"));
    const Signal heard = listen(
        [&] {
            service->play(path(QStringLiteral("click")));
            openCard();
        },
        600ms);
    expectWhole(heard, click);
}

TEST_F(SoundEngineTest, ASoundThatWaitedTooLongForTheCardIsDropped) {
    const Signal heard = listen(
        [&] {
            service->play(path(QStringLiteral("click")));
            std::this_thread::sleep_for(SdlSoundService::LateLimit + 200ms);
            openCard();
        },
        800ms);
    EXPECT_TRUE(silent(heard, 0, heard.samples.size()));
}

TEST_F(SoundEngineTest, TheServerGoingAwayLeavesSilenceAndNoHang) {
    openCard();
    service->play(path(QStringLiteral("gong")));
    std::this_thread::sleep_for(200ms);
    capture.stopServer();
    const auto until = std::chrono::steady_clock::now() + 10s;
    while (service->device() == SdlSoundService::Device::Ready &&
           std::chrono::steady_clock::now() < until) {
        service->play(path(QStringLiteral("click")));
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(service->device(), SdlSoundService::Device::Unavailable);
    service->play(path(QStringLiteral("click")));
    service.reset(); // joins the worker: a hang here fails the test by its time-out
}

// Without any sound server the engine gives up quietly; the calls still return.
TEST(SoundEngineWithoutServer, IsSilentAndCarriesOn) {
    QTemporaryDir dir;
    setenv("PULSE_SERVER", qPrintable(dir.filePath(QStringLiteral("nobody-here"))), 1);
    setenv("SDL_AUDIODRIVER", "pulseaudio", 1);
    {
        SdlSoundService service{ProgramFolder(dir.path())};
        service.play(QStringLiteral("wav\\click.wav"));
        service.prepare();
        EXPECT_EQ(service.waitForDevice(10s), SdlSoundService::Device::Unavailable);
        service.play(QStringLiteral("wav\\click.wav"));
        service.play(QStringLiteral("wav\\missing.wav"));
        EXPECT_EQ(service.device(), SdlSoundService::Device::Unavailable);
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("PULSE_SERVER");
}

} // namespace
