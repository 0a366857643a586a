#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace av::datatree::test {

// The parts of a RIFF wave file the tests look at; `valid` is false if it is malformed.
struct WaveInfo {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0; }
};

WaveInfo readWave(const QByteArray& bytes);

} // namespace av::datatree::test
