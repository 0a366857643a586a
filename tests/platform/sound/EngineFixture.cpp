#include "EngineFixture.h"
#include "BuildFolders.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <sstream>

using namespace std::chrono_literals;

namespace av::test {

const char* const ShippedSounds[16] = {"click",    "typekey", "thud3", "fanf2", "fanf3", "crowd",
                                       "cheer2",   "klaxon",  "flute", "gong",  "clap2", "clap3",
                                       "drumroll", "laser2",  "whizz", "clown"};

static QString shipped(const QString& name) {
    return built::programDir() + QStringLiteral("/wav/") + name + QStringLiteral(".wav");
}

Signal reference(const QString& name) {
    const std::optional<Signal> s = readPlainWave(shipped(name));
    if (!s) throw std::runtime_error("cannot read the shipped " + name.toStdString());
    return *s;
}

bool silent(const Signal& s, std::size_t from, std::size_t to) {
    to = std::min(to, s.samples.size());
    for (std::size_t i = from; i < to; ++i)
        if (std::fabs(s.samples[i]) > 0.001f) return false;
    return true;
}

std::string wholeness(const Signal& heard, const Signal& file) {
    const std::optional<std::size_t> heardStart = firstSound(heard);
    const std::optional<std::size_t> fileStart = firstSound(file);
    if (!heardStart) return "nothing arrived";
    if (!fileStart) return "the file is silent";
    const std::vector<double> want = envelope(file, 0.02, *fileStart);
    // Where the two onsets are found may differ by a few milliseconds, which matters at a steep
    // edge: each window may match the heard one 5 ms either side.
    const std::size_t shift = heard.at(0.005);
    const std::size_t early = *heardStart > shift ? *heardStart - shift : 0;
    const std::vector<double> got[] = {envelope(heard, 0.02, early),
                                       envelope(heard, 0.02, *heardStart),
                                       envelope(heard, 0.02, *heardStart + shift)};
    const auto matches = [&](std::size_t k) {
        return std::any_of(std::begin(got), std::end(got), [&](const std::vector<double>& g) {
            return k < g.size() && g[k] >= 0.5 * want[k] && g[k] <= 2.0 * want[k];
        });
    };
    const double peak = *std::max_element(want.begin(), want.end());
    std::ostringstream faults;
    for (std::size_t k = 0; k < want.size(); ++k) {
        if (want[k] < 0.1 * peak) continue;
        if (k >= got[1].size())
            return "the sound stops early, at " + std::to_string(k * 20) + " ms";
        if (!matches(k))
            faults << "level " << got[1][k] << " instead of " << want[k] << " at " << k * 20
                   << " ms; ";
    }
    const double wantLength = double(*lastSound(file) - *fileStart) / file.rate;
    const double gotLength = double(*lastSound(heard) - *heardStart) / heard.rate;
    if (std::fabs(gotLength - wantLength) > 0.03)
        faults << "lasts " << gotLength << " s instead of " << wantLength << " s";
    return faults.str();
}

void expectWhole(const Signal& heard, const Signal& file) {
    EXPECT_EQ(wholeness(heard, file), std::string());
}

void SoundEngineTest::SetUp() {
    if (!capture.failure().isEmpty())
        GTEST_SKIP() << "no sound server of our own: " << capture.failure().toStdString();
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("wav"));
    for (const char* name : ShippedSounds)
        ASSERT_TRUE(QFile::copy(shipped(QLatin1String(name)), file(QLatin1String(name))))
            << name << " is not in the data tree";
    service = std::make_unique<SdlSoundService>(ProgramFolder(dir.path()));
}

QString SoundEngineTest::file(const QString& name) const {
    return dir.filePath(QStringLiteral("wav/") + name + QStringLiteral(".wav"));
}

QString SoundEngineTest::path(const QString& name) {
    return QStringLiteral("wav\\") + name + QStringLiteral(".wav");
}

void SoundEngineTest::write(const QString& name, const QByteArray& bytes) const {
    QFile out(file(name));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

void SoundEngineTest::openCard() {
    service->prepare();
    ASSERT_EQ(service->waitForDevice(10s), SdlSoundService::Device::Ready);
}

Signal SoundEngineTest::listenTo(const QString& name, std::chrono::milliseconds span) {
    return listen([&] { service->play(path(name)); }, span);
}

} // namespace av::test
