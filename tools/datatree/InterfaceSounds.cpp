#include "Sounds.h"
#include "Wave.h"

#include <cmath>
#include <numbers>

namespace av::datatree {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// Odd harmonics give the hollow, buzzy tone of a horn or hooter.
double squareish(double phase) {
    return std::sin(phase) + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5 +
           std::sin(7 * phase) / 7;
}

Samples tick(Noise& noise, double centre, double decay, double seconds) {
    Samples out = silence(seconds);
    BandPass band(centre, 2.5);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        out[i] = band.process(noise.next()) * float(envAD(t, 0.0005, decay));
    }
    return out;
}

} // namespace

Samples makeClick() {
    Noise noise(11);
    Samples out = tick(noise, 2600, 0.006, 0.12);
    addPing(out, 0.0, 1800, 0.6, 0.01);
    normalise(out, 0.8f);
    fadeEdges(out, 0.0005);
    return out;
}

Samples makeTypeKey() {
    Noise noise(23);
    Samples out = silence(0.16);
    mixIn(out, tick(noise, 3400, 0.005, 0.05), 0.0, 0.7f);
    mixIn(out, tick(noise, 1500, 0.012, 0.08), 0.035, 1.0f);
    addPing(out, 0.035, 190, 0.5, 0.02); // the key bottoming out
    normalise(out, 0.75f);
    fadeEdges(out, 0.0005);
    return out;
}

Samples makeThud() {
    Noise noise(37);
    LowPass body(400);
    Samples out = silence(0.45);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        phase += kTwoPi * (45 + 50 * std::exp(-t / 0.05)) / kSampleRate;
        const double boom = std::sin(phase) * envAD(t, 0.002, 0.09);
        const double dust = body.process(noise.next()) * envAD(t, 0.001, 0.03);
        out[i] = float(boom + 2.5 * dust);
    }
    normalise(out, 0.9f);
    fadeEdges(out, 0.001);
    return out;
}

Samples makeKlaxon() {
    // "Ah-oo-gah" twice: the pitch swoops up then holds, through a horn-like resonance.
    Samples out = silence(1.6);
    BandPass horn(900, 1.2);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        const double local = std::fmod(t, 0.8);
        const double f = local < 0.25 ? 220 + 200 * (local / 0.25) : 420 - 20 * (local - 0.25);
        phase += kTwoPi * f / kSampleRate;
        double env = local < 0.02 ? local / 0.02 : 1.0;
        if (local > 0.6) env = std::max(0.0, 1.0 - (local - 0.6) / 0.08);
        const double raw = squareish(phase) * env;
        out[i] = float(0.6 * raw + 1.5 * horn.process(float(raw)));
    }
    normalise(out, 0.85f);
    fadeEdges(out);
    return out;
}

Samples makeLaser() {
    Samples out = silence(0.55);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        const double f = 300 + 2700 * std::exp(-t / 0.09);
        const double wobble = 1.0 + 0.08 * std::sin(kTwoPi * 35 * t);
        phase += kTwoPi * f * wobble / kSampleRate;
        out[i] = float((std::sin(phase) + 0.3 * std::sin(2 * phase)) * envAD(t, 0.003, 0.16));
    }
    normalise(out, 0.8f);
    fadeEdges(out);
    return out;
}

Samples makeWhizz() {
    // A rocket: a rushing noise band and a whistle that both climb, then fade away.
    Noise noise(53);
    const double seconds = 1.3;
    Samples out = silence(seconds);
    BandPass band(600, 1.5);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        const double progress = t / seconds;
        const double f = 600 * std::pow(6.0, progress);
        band.tune(f * 1.5, 1.5);
        phase += kTwoPi * f / kSampleRate;
        const double env = std::sin(std::numbers::pi * std::pow(progress, 0.6));
        const double hiss = band.process(noise.next());
        out[i] = float(env * (0.5 * std::sin(phase) + 1.2 * hiss));
    }
    normalise(out, 0.8f);
    fadeEdges(out);
    return out;
}

Samples makeClownHorn() {
    // A bulb horn squeezed twice: a reedy tone that sags in pitch as the bulb empties.
    Samples out = silence(1.0);
    for (double start : {0.0, 0.45}) {
        Samples honk = silence(0.38);
        double phase = 0;
        for (std::size_t i = 0; i < honk.size(); ++i) {
            const double t = timeOf(int(i));
            phase += kTwoPi * (410 - 60 * t) / kSampleRate;
            double v = 0;
            for (int h = 1; h <= 8; ++h)
                v += std::sin(h * phase) / (1.0 + 0.3 * h);
            const double env = std::min(1.0, t / 0.02) * std::min(1.0, (0.38 - t) / 0.06);
            honk[i] = float(v * env);
        }
        mixIn(out, honk, start);
    }
    normalise(out, 0.8f);
    fadeEdges(out);
    return out;
}

} // namespace av::datatree
