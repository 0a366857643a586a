#pragma once

#include <QByteArray>
#include <vector>

namespace av::datatree {

inline constexpr int kSampleRate = 22050;

// A RIFF wave file, 16-bit PCM mono. Samples are in -1..1; anything beyond is clipped.
QByteArray encodeWave(const std::vector<float>& samples, int sampleRate = kSampleRate);

} // namespace av::datatree
