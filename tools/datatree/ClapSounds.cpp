#include "Sounds.h"
#include "Wave.h"

#include <cmath>
#include <numbers>

namespace av::datatree {

Samples clapHit(Noise& noise, double brightness) {
    // A hand clap is a few fast bursts of air, then a short decaying "room".
    Samples out = silence(0.12);
    BandPass band(900 + 900 * brightness, 1.8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(int(i));
        double env = envAD(t, 0.0005, 0.018);
        for (double burst : {0.008, 0.016})
            env += 0.7 * envAD(t - burst, 0.0005, 0.004);
        out[i] = float(band.process(noise.next()) * env);
    }
    return out;
}

Samples makeApplause() {
    Noise noise(131);
    Noise timing(132);
    const double seconds = 2.2;
    Samples out = silence(seconds);
    for (int k = 0; k < 140; ++k) {
        const double at = (timing.next() * 0.5 + 0.5) * (seconds - 0.15);
        const double brightness = timing.next() * 0.5 + 0.5;
        const double fade = std::min(1.0, (seconds - at) / 0.8);
        mixIn(out, clapHit(noise, brightness), at, float(0.4 + 0.6 * fade));
    }
    normalise(out, 0.8f);
    fadeEdges(out);
    return out;
}

Samples makeRhythmicClaps() {
    // Clap, clap, clap-clap-clap: two claps a hand on each beat.
    Noise noise(151);
    const double beats[] = {0.0, 0.4, 0.8, 1.0, 1.2};
    Samples out = silence(1.5);
    for (double at : beats) {
        mixIn(out, clapHit(noise, 0.4), at);
        mixIn(out, clapHit(noise, 0.7), at + 0.006, 0.7f);
    }
    normalise(out, 0.85f);
    fadeEdges(out);
    return out;
}

Samples makeDrumRoll() {
    // Snare strokes getting louder, then one big hit with a cymbal crash.
    Noise noise(171);
    Samples out = silence(2.4);
    const double rollEnd = 1.6;
    int stroke = 0;
    for (double at = 0.0; at < rollEnd; at += 0.045, ++stroke) {
        Samples hit = silence(0.1);
        BandPass snare(3200, 0.8);
        for (std::size_t i = 0; i < hit.size(); ++i) {
            const double t = timeOf(int(i));
            hit[i] =
                float(snare.process(noise.next()) * envAD(t, 0.001, 0.03) +
                      0.4 * std::sin(2.0 * std::numbers::pi * 185 * t) * envAD(t, 0.001, 0.02));
        }
        const double loud = 0.25 + 0.75 * at / rollEnd;
        mixIn(out, hit, at, float(loud * (stroke % 2 ? 0.85 : 1.0)));
    }
    Samples crash = silence(0.8);
    BandPass metal(6000, 0.7);
    LowPass kick(200);
    for (std::size_t i = 0; i < crash.size(); ++i) {
        const double t = timeOf(int(i));
        const float n = noise.next();
        crash[i] = float(1.2 * metal.process(n) * envAD(t, 0.002, 0.3) +
                         6.0 * kick.process(n) * envAD(t, 0.001, 0.08));
    }
    mixIn(out, crash, rollEnd);
    normalise(out, 0.85f);
    fadeEdges(out);
    return out;
}

} // namespace av::datatree
