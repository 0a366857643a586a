#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

namespace av::test {

// A sound as a list of levels in -1..1 at a given rate.
struct Signal {
    std::vector<float> samples;
    int rate = 0;

    double seconds() const { return double(samples.size()) / rate; }
    std::size_t at(double second) const { return std::size_t(second * rate); }
};

// A shipped wave file read by its plain 44-byte layout, independently of the player's reader.
std::optional<Signal> readPlainWave(const QString& path);

// Root-mean-square level of consecutive windows of `seconds`, from sample `from` on.
std::vector<double> envelope(const Signal& s, double seconds, std::size_t from = 0);

// The first sample louder than `level`, from `from` on.
std::optional<std::size_t> firstSound(const Signal& s, std::size_t from = 0, float level = 0.002f);
std::optional<std::size_t> lastSound(const Signal& s, float level = 0.002f);

// How many times the sound starts after a pause of at least `gap` seconds, judged in 5 ms
// windows against `level`.
int onsets(const Signal& s, double level, double gap = 0.02);

} // namespace av::test
