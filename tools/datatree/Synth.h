#pragma once

#include <cstdint>
#include <vector>

namespace av::datatree {

using Samples = std::vector<float>;

// Fixed-seed noise so that every build writes the same sounds.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    float next(); // uniform in -1..1
  private:
    std::uint32_t state_;
};

// One-pole low-pass; cutoff in Hz.
class LowPass {
  public:
    explicit LowPass(double cutoff);
    float process(float x);

  private:
    double a_;
    double y_ = 0.0;
};

// Two-pole resonant band-pass (constant peak gain).
class BandPass {
  public:
    BandPass(double centre, double q) { tune(centre, q); }
    void tune(double centre, double q); // keeps the filter's state, for sweeps
    float process(float x);

  private:
    double b0_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Samples silence(double seconds);
int sampleCount(double seconds);
double timeOf(int index);

// Adds `part` into `mix` starting at `atSeconds`, scaled by `gain`; grows `mix` as needed.
void mixIn(Samples& mix, const Samples& part, double atSeconds, float gain = 1.0f);

// Attack-decay envelope value at time t: linear rise over `attack`, exponential fall after.
double envAD(double t, double attack, double decay);

// Adds a sine ping that starts at `atSeconds` and dies away with time constant `decay`.
void addPing(Samples& s, double atSeconds, double frequency, double amplitude, double decay);

// Scales so that the loudest sample reaches `peak`.
void normalise(Samples& s, float peak = 0.85f);

// Short linear fades at both ends so the sound starts and stops without a click.
void fadeEdges(Samples& s, double seconds = 0.004);

// A tone with a few harmonics (amplitudes given), gliding linearly from f0 to f1.
Samples harmonicTone(double seconds, double f0, double f1, const std::vector<double>& harmonics,
                     double attack, double release);

} // namespace av::datatree
