#include "Synth.h"

#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace av::datatree {

float Noise::next() {
    // xorshift32: tiny, fast and the same on every platform
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(double(state_) / 2147483647.5 - 1.0);
}

LowPass::LowPass(double cutoff)
    : a_(1.0 - std::exp(-2.0 * std::numbers::pi * cutoff / kSampleRate)) {}

float LowPass::process(float x) {
    y_ += a_ * (x - y_);
    return float(y_);
}

void BandPass::tune(double centre, double q) {
    const double w = 2.0 * std::numbers::pi * centre / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    b0_ = alpha / a0;
    a1_ = -2.0 * std::cos(w) / a0;
    a2_ = (1.0 - alpha) / a0;
}

float BandPass::process(float x) {
    const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return float(y);
}

int sampleCount(double seconds) {
    return int(std::lround(seconds * kSampleRate));
}

double timeOf(int index) {
    return double(index) / kSampleRate;
}

Samples silence(double seconds) {
    return Samples(std::size_t(sampleCount(seconds)), 0.0f);
}

void mixIn(Samples& mix, const Samples& part, double atSeconds, float gain) {
    const auto start = std::size_t(sampleCount(atSeconds));
    if (mix.size() < start + part.size()) mix.resize(start + part.size(), 0.0f);
    for (std::size_t i = 0; i < part.size(); ++i)
        mix[start + i] += gain * part[i];
}

double envAD(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

void addPing(Samples& s, double atSeconds, double frequency, double amplitude, double decay) {
    for (std::size_t i = std::size_t(std::max(0, sampleCount(atSeconds))); i < s.size(); ++i) {
        const double t = timeOf(int(i)) - atSeconds;
        s[i] += float(amplitude * std::sin(2.0 * std::numbers::pi * frequency * t) *
                      envAD(t, 0.0005, decay));
    }
}

void normalise(Samples& s, float peak) {
    float loudest = 0;
    for (float v : s)
        loudest = std::max(loudest, std::abs(v));
    if (loudest <= 0) return;
    const float k = peak / loudest;
    for (float& v : s)
        v *= k;
}

void fadeEdges(Samples& s, double seconds) {
    const int n = std::min<int>(sampleCount(seconds), int(s.size() / 2));
    for (int i = 0; i < n; ++i) {
        const float k = float(i) / float(n);
        s[std::size_t(i)] *= k;
        s[s.size() - 1 - std::size_t(i)] *= k;
    }
}

Samples harmonicTone(double seconds, double f0, double f1, const std::vector<double>& harmonics,
                     double attack, double release) {
    Samples out = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        const double f = f0 + (f1 - f0) * t / seconds;
        phase += 2.0 * std::numbers::pi * f / kSampleRate;
        double v = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h)
            v += harmonics[h] * std::sin(phase * double(h + 1));
        double env = 1.0;
        if (t < attack) env = t / attack;
        if (seconds - t < release) env *= (seconds - t) / release;
        out[i] = float(v * env);
    }
    return out;
}

} // namespace av::datatree
