#include "Listening.h"

#include <QFile>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace av::test {

std::optional<Signal> readPlainWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(36, 4) != "data")
        return std::nullopt;
    const auto u32 = [&](int at) {
        std::uint32_t v = 0;
        std::memcpy(&v, bytes.constData() + at, 4);
        return v;
    };
    Signal s;
    s.rate = int(u32(24));
    const std::size_t count = std::min<std::size_t>(u32(40), std::size_t(bytes.size() - 44)) / 2;
    s.samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t v = 0;
        std::memcpy(&v, bytes.constData() + 44 + 2 * i, 2);
        s.samples[i] = float(v) / 32768.0f;
    }
    return s;
}

std::vector<double> envelope(const Signal& s, double seconds, std::size_t from) {
    const auto window = std::size_t(std::lround(seconds * s.rate));
    std::vector<double> levels;
    for (std::size_t start = from; start + window <= s.samples.size(); start += window) {
        double sum = 0;
        for (std::size_t i = start; i < start + window; ++i)
            sum += double(s.samples[i]) * s.samples[i];
        levels.push_back(std::sqrt(sum / double(window)));
    }
    return levels;
}

std::optional<std::size_t> firstSound(const Signal& s, std::size_t from, float level) {
    for (std::size_t i = from; i < s.samples.size(); ++i)
        if (std::fabs(s.samples[i]) > level) return i;
    return std::nullopt;
}

std::optional<std::size_t> lastSound(const Signal& s, float level) {
    for (std::size_t i = s.samples.size(); i-- > 0;)
        if (std::fabs(s.samples[i]) > level) return i;
    return std::nullopt;
}

int onsets(const Signal& s, double level, double gap) {
    const std::vector<double> levels = envelope(s, 0.005);
    const auto quietNeeded = std::size_t(std::lround(gap / 0.005));
    std::size_t quiet = quietNeeded;
    int count = 0;
    for (double l : levels) {
        if (l > level) {
            if (quiet >= quietNeeded) ++count;
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return count;
}

} // namespace av::test
