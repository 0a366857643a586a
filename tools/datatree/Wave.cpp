#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace av::datatree {

namespace {

void putU32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

void putU16(QByteArray& out, std::uint16_t v) {
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

} // namespace

QByteArray encodeWave(const std::vector<float>& samples, int sampleRate) {
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF", 4);
    putU32(out, 36 + dataBytes);
    out.append("WAVEfmt ", 8);
    putU32(out, 16);
    putU16(out, 1); // integer PCM: the player refuses float samples
    putU16(out, 1);
    putU32(out, std::uint32_t(sampleRate));
    putU32(out, std::uint32_t(sampleRate * 2));
    putU16(out, 2);
    putU16(out, 16);
    out.append("data", 4);
    putU32(out, dataBytes);
    for (float s : samples) {
        const float clipped = std::clamp(s, -1.0f, 1.0f);
        putU16(out, std::uint16_t(std::int16_t(std::lround(clipped * 32767.0f))));
    }
    return out;
}

} // namespace av::datatree
