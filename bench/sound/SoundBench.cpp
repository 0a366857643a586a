// What a sound costs the user-interface thread, and how soon after the call its first sample
// reaches a real PulseAudio server's pipe sink: with the card open, and for the first click of
// a process right after the card is asked to open. The anchor is pacat, PulseAudio's own
// client, writing the same click into a low-latency stream: the server's share of the delay.
#include "BuildFolders.h"
#include "PulseCapture.h"

#include "platform/SdlSoundService.h"

#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

using namespace av;
using namespace av::test;
using namespace std::chrono_literals;

namespace {

using Clock = std::chrono::steady_clock;

const QString Click = QStringLiteral("wav\\click.wav");
std::string g_self;
PulseCapture* g_capture = nullptr;

// The first frame from `mark` on that carries sound, waiting up to a second for it.
std::optional<Clock::time_point> firstSoundAfter(std::size_t mark) {
    const auto until = Clock::now() + 1s;
    std::size_t checked = mark;
    while (Clock::now() < until) {
        const std::vector<float> heard = g_capture->since(checked);
        for (std::size_t i = 0; i < heard.size(); ++i)
            if (std::fabs(heard[i]) > 0.002f) return g_capture->arrival(checked + i);
        checked += heard.size();
        std::this_thread::sleep_for(200us);
    }
    return std::nullopt;
}

double microseconds(Clock::duration d) {
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(d).count()) / 1000.0;
}

void report(benchmark::State& state, std::vector<double>& delays) {
    if (delays.empty()) return;
    std::sort(delays.begin(), delays.end());
    state.counters["median_ms"] = delays[delays.size() / 2] / 1000.0;
    state.counters["worst_ms"] = delays.back() / 1000.0;
}

// Waits for the sound asked for at `asked` to arrive after frame `mark`, and times it.
bool timeArrival(benchmark::State& state, std::vector<double>& delays, std::size_t mark,
                 Clock::time_point asked) {
    const auto arrived = firstSoundAfter(mark);
    if (!arrived) {
        state.SkipWithError("the sound never arrived");
        return false;
    }
    state.SetIterationTime(microseconds(*arrived - asked) / 1e6);
    delays.push_back(microseconds(*arrived - asked));
    // Let the click end before the next one.
    std::this_thread::sleep_for(250ms);
    return true;
}

bool ready(benchmark::State& state) {
    if (g_capture->failure().isEmpty()) return true;
    state.SkipWithError(("no sound server: " + g_capture->failure().toStdString()).c_str());
    return false;
}

void PlayCall(benchmark::State& state) {
    if (!ready(state)) return;
    SdlSoundService sound{ProgramFolder(built::programDir())};
    sound.prepare();
    sound.waitForDevice(10s);
    for (auto _ : state)
        sound.play(Click);
}

// What one look at the file system costs on the same thread, for scale.
void FileExistsAnchor(benchmark::State& state) {
    const QString path = built::programDir() + QStringLiteral("/wav/click.wav");
    for (auto _ : state)
        benchmark::DoNotOptimize(QFile::exists(path));
}

void CallToFirstSample(benchmark::State& state) {
    if (!ready(state)) return;
    SdlSoundService sound{ProgramFolder(built::programDir())};
    sound.prepare();
    sound.waitForDevice(10s);
    std::vector<double> delays;
    for (auto _ : state) {
        const std::size_t mark = g_capture->frames();
        const Clock::time_point asked = Clock::now();
        sound.play(Click);
        if (!timeArrival(state, delays, mark, asked)) return;
    }
    report(state, delays);
}

// A process of its own opens the card and plays the click at once: the dynamic loading of the
// sound library and the opening of the card are both in the figure.
void FirstClickOfAProcess(benchmark::State& state) {
    if (!ready(state)) return;
    std::vector<double> delays;
    for (auto _ : state) {
        const std::size_t mark = g_capture->frames();
        FILE* child = popen((g_self + " --first-click").c_str(), "r");
        long long askedNs = 0;
        const bool read = child && std::fscanf(child, "%lld", &askedNs) == 1;
        if (child) pclose(child);
        if (!read) {
            state.SkipWithError("the child did not play");
            return;
        }
        const Clock::time_point asked{std::chrono::nanoseconds(askedNs)};
        if (!timeArrival(state, delays, mark, asked)) return;
    }
    report(state, delays);
}

int firstClick() {
    SdlSoundService sound{ProgramFolder(built::programDir())};
    sound.prepare();
    const Clock::time_point asked = Clock::now();
    sound.play(Click);
    std::printf("%lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(asked.time_since_epoch())
                        .count()));
    std::fflush(stdout);
    std::this_thread::sleep_for(400ms);
    return 0;
}

void PacatAnchor(benchmark::State& state) {
    if (!ready(state)) return;
    QFile file(built::programDir() + QStringLiteral("/wav/click.wav"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no click.wav");
        return;
    }
    const QByteArray samples = file.readAll().mid(44);
    FILE* pacat = popen("pacat --raw --format=s16le --rate=22050 --channels=1 --latency-msec=5 "
                        "--process-time-msec=2",
                        "w");
    if (!pacat) {
        state.SkipWithError("pacat is not installed");
        return;
    }
    std::this_thread::sleep_for(300ms);
    std::vector<double> delays;
    for (auto _ : state) {
        const std::size_t mark = g_capture->frames();
        const Clock::time_point asked = Clock::now();
        std::fwrite(samples.constData(), 1, std::size_t(samples.size()), pacat);
        std::fflush(pacat);
        if (!timeArrival(state, delays, mark, asked)) break;
    }
    pclose(pacat);
    report(state, delays);
}

BENCHMARK(PlayCall)->Unit(benchmark::kNanosecond);
BENCHMARK(FileExistsAnchor)->Unit(benchmark::kNanosecond);
BENCHMARK(CallToFirstSample)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);
BENCHMARK(FirstClickOfAProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(PacatAnchor)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--first-click") == 0) return firstClick();
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    g_self = n > 0 ? std::string(path, std::size_t(n)) : std::string(argv[0]);
    PulseCapture capture;
    g_capture = &capture;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
