#include "Sounds.h"
#include "Wave.h"

#include <cmath>
#include <numbers>

namespace av::datatree {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double noteHz(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

struct Note {
    int pitch; // semitones from A4
    double start;
    double length;
};

Samples brassLine(const std::vector<Note>& notes, double seconds) {
    Samples out = silence(seconds);
    for (const Note& n : notes) {
        mixIn(out, brassNote(n.length, noteHz(n.pitch)), n.start, 0.6f);
        mixIn(out, brassNote(n.length, noteHz(n.pitch - 5)), n.start, 0.3f);
    }
    normalise(out, 0.85f);
    fadeEdges(out);
    return out;
}

// A few dozen voices: noise shaped by vowel-like resonances, swelling and ebbing.
Samples crowdNoise(double seconds, std::uint32_t seed, double swellRate) {
    Noise noise(seed);
    BandPass low(550, 1.5), mid(1400, 2.0), high(2600, 3.0);
    Samples out = silence(seconds);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        const double swell = 0.7 + 0.3 * std::sin(kTwoPi * swellRate * t) *
                                       std::sin(kTwoPi * swellRate * 2.7 * t + 1.0);
        const float n = noise.next();
        out[i] = float(swell * (low.process(n) + 0.7 * mid.process(n) + 0.3 * high.process(n)));
    }
    return out;
}

// A single shouted "hey!": a voiced tone gliding up then down, through an open vowel.
Samples shout(double seconds, double pitch) {
    Samples out = silence(seconds);
    BandPass vowel(750, 2.0);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        const double p = t / seconds;
        phase += kTwoPi * pitch * (1.0 + 0.25 * std::sin(std::numbers::pi * p)) / kSampleRate;
        double v = 0;
        for (int h = 1; h <= 10; ++h)
            v += std::sin(h * phase) / h;
        const double env = std::sin(std::numbers::pi * p);
        out[i] = float(env * (0.2 * v + vowel.process(float(v))));
    }
    return out;
}

} // namespace

Samples brassNote(double seconds, double frequency) {
    Samples out = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        phase += kTwoPi * frequency * (1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t)) / kSampleRate;
        // The tone brightens as the player's lips lock on, as a trumpet does.
        const double bright = std::min(1.0, t / 0.05);
        double v = 0;
        for (int h = 1; h <= 9; ++h)
            v += std::sin(h * phase) * std::pow(0.55 + 0.3 * bright, h - 1);
        const double env = std::min(1.0, t / 0.015) * std::min(1.0, (seconds - t) / 0.05);
        out[i] = float(v * env * 0.3);
    }
    return out;
}

Samples makeFanfareRising() {
    return brassLine({{-2, 0.0, 0.2}, {3, 0.22, 0.2}, {7, 0.44, 0.2}, {10, 0.66, 0.9}}, 1.7);
}

Samples makeFanfareTriplets() {
    return brassLine({{3, 0.0, 0.12},
                      {3, 0.14, 0.12},
                      {3, 0.28, 0.12},
                      {10, 0.44, 0.45},
                      {7, 0.92, 0.2},
                      {10, 1.15, 0.2},
                      {15, 1.38, 0.9}},
                     2.4);
}

Samples makeCrowd() {
    Samples out = crowdNoise(2.6, 71, 0.6);
    Noise pick(72);
    for (int k = 0; k < 14; ++k) {
        const double at = 0.1 + 2.1 * (pick.next() * 0.5 + 0.5);
        mixIn(out, shout(0.3, 170 + 120 * (pick.next() * 0.5 + 0.5)), at, 0.25f);
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        out[i] *= float(std::min(1.0, t / 0.3) * std::min(1.0, (2.6 - t) / 0.5));
    }
    normalise(out, 0.8f);
    fadeEdges(out);
    return out;
}

Samples makeCheer() {
    Samples out = crowdNoise(2.2, 83, 1.1);
    Noise pick(84);
    for (int k = 0; k < 24; ++k) {
        const double at = 0.05 + 0.9 * (pick.next() * 0.5 + 0.5);
        mixIn(out, shout(0.7, 220 + 200 * (pick.next() * 0.5 + 0.5)), at, 0.5f);
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        out[i] *= float(std::min(1.0, t / 0.08) * std::exp(-std::max(0.0, t - 1.0) / 0.5));
    }
    normalise(out, 0.85f);
    fadeEdges(out);
    return out;
}

Samples makeFlute() {
    // A little pentatonic tune with vibrato and a breath of air on every note.
    const std::vector<Note> tune = {{3, 0.0, 0.28}, {5, 0.3, 0.28},  {7, 0.6, 0.28},
                                    {10, 0.9, 0.5}, {7, 1.42, 0.28}, {5, 1.72, 0.28},
                                    {3, 2.02, 0.7}};
    Samples out = silence(2.8);
    Noise noise(97);
    for (const Note& n : tune) {
        Samples note = silence(n.length);
        BandPass air(noteHz(n.pitch) * 2, 3.0);
        double phase = 0;
        for (std::size_t i = 0; i < note.size(); ++i) {
            const double t = timeOf(int(i));
            const double vib = 1.0 + 0.006 * std::sin(kTwoPi * 5.0 * t) * std::min(1.0, t / 0.15);
            phase += kTwoPi * noteHz(n.pitch) * vib / kSampleRate;
            const double tone =
                std::sin(phase) + 0.12 * std::sin(2 * phase) + 0.05 * std::sin(3 * phase);
            const double env = std::min(1.0, t / 0.04) * std::min(1.0, (n.length - t) / 0.05);
            note[i] = float(env * (tone + 0.6 * air.process(noise.next())));
        }
        mixIn(out, note, n.start);
    }
    normalise(out, 0.8f);
    fadeEdges(out);
    return out;
}

Samples makeGong() {
    // Inharmonic partials that each die away at their own rate, with a slow shimmer.
    const double partials[][3] = {{98, 1.0, 2.2},   {156, 0.7, 1.8}, {231, 0.6, 1.5},
                                  {289, 0.45, 1.2}, {367, 0.4, 0.9}, {452, 0.3, 0.7},
                                  {611, 0.2, 0.5},  {843, 0.12, 0.3}};
    Samples out = silence(3.0);
    Noise noise(101);
    LowPass strike(1500);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        double v = 0;
        for (const auto& p : partials) {
            const double shimmer = 1.0 + 0.002 * std::sin(kTwoPi * 0.7 * t);
            v += p[1] * std::sin(kTwoPi * p[0] * shimmer * t) * envAD(t, 0.01, p[2]);
        }
        v += 3.0 * strike.process(noise.next()) * envAD(t, 0.001, 0.03);
        out[i] = float(v * std::min(1.0, (3.0 - t) / 0.3));
    }
    normalise(out, 0.85f);
    fadeEdges(out);
    return out;
}

} // namespace av::datatree
