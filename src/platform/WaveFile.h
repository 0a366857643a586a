#pragma once

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <vector>

namespace av {

// The one format the player takes: 16-bit PCM, one channel, 22,050 frames a second.
inline constexpr int WaveRate = 22050;

using WaveSamples = std::vector<std::int16_t>;
using WavePtr = std::shared_ptr<const WaveSamples>;

// The samples of a RIFF wave file in the player's format; null for anything else: a header cut
// short, no frames, another sample size, channel count or rate, or no wave file at all. A data
// chunk that runs past the end of the file gives the whole frames that are there.
WavePtr decodeWave(const QByteArray& bytes);

} // namespace av
