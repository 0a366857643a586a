#include "WaveReader.h"

namespace av::datatree::test {

namespace {

std::uint32_t u32(const QByteArray& b, qsizetype at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int u16(const QByteArray& b, qsizetype at) {
    return int(std::uint8_t(b[at])) | int(std::uint8_t(b[at + 1])) << 8;
}

} // namespace

WaveInfo readWave(const QByteArray& bytes) {
    WaveInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return info;
    if (u32(bytes, 4) != std::uint32_t(bytes.size() - 8)) return info;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qsizetype(u32(bytes, at + 4));
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) return info;
        if (id == "fmt " && size >= 16) {
            info.format = u16(bytes, body);
            info.channels = u16(bytes, body + 2);
            info.sampleRate = int(u32(bytes, body + 4));
            info.bitsPerSample = u16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data" && haveFormat && info.bitsPerSample == 16) {
            for (qsizetype i = 0; i + 1 < size; i += 2)
                info.samples.push_back(std::int16_t(u16(bytes, body + i)));
            info.valid = true;
        }
        at = body + size + (size % 2);
    }
    return info;
}

} // namespace av::datatree::test
