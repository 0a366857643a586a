#include "WaveFile.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace av {

namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatExtensible = 0xFFFE;

// Bounds-checked little-endian reads over the file's bytes.
class Reader {
  public:
    explicit Reader(const QByteArray& bytes)
        : m_data(reinterpret_cast<const unsigned char*>(bytes.constData())),
          m_size(std::size_t(bytes.size())) {}

    std::size_t size() const { return m_size; }
    bool has(std::size_t at, std::size_t count) const {
        return at <= m_size && count <= m_size - at;
    }
    bool tagAt(std::size_t at, const char* tag) const {
        return has(at, 4) && std::memcmp(m_data + at, tag, 4) == 0;
    }
    std::uint16_t u16(std::size_t at) const {
        return std::uint16_t(m_data[at] | m_data[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        return std::uint32_t(u16(at)) | std::uint32_t(u16(at + 2)) << 16;
    }

  private:
    const unsigned char* m_data;
    std::size_t m_size;
};

struct Chunk {
    std::size_t body = 0;
    std::size_t size = 0; // as the header says; may run past the end of the file
};

std::optional<Chunk> findChunk(const Reader& r, const char* tag) {
    std::size_t at = 12;
    while (r.has(at, 8)) {
        const Chunk chunk{at + 8, r.u32(at + 4)};
        if (r.tagAt(at, tag)) return chunk;
        // Chunks are padded to an even length.
        const std::size_t next = chunk.body + chunk.size + (chunk.size & 1);
        if (next <= at || next > r.size()) return std::nullopt;
        at = next;
    }
    return std::nullopt;
}

bool playableFormat(const Reader& r, const Chunk& fmt) {
    if (fmt.size < 16 || !r.has(fmt.body, 16)) return false;
    std::uint16_t format = r.u16(fmt.body);
    if (format == FormatExtensible) {
        // The sub-format's first two bytes carry the plain format code.
        if (fmt.size < 40 || !r.has(fmt.body, 40)) return false;
        format = r.u16(fmt.body + 24);
    }
    const std::uint16_t channels = r.u16(fmt.body + 2);
    const std::uint32_t rate = r.u32(fmt.body + 4);
    const std::uint16_t blockAlign = r.u16(fmt.body + 12);
    const std::uint16_t bits = r.u16(fmt.body + 14);
    return format == FormatPcm && channels == 1 && rate == std::uint32_t(WaveRate) &&
           blockAlign == 2 && bits == 16;
}

} // namespace

WavePtr decodeWave(const QByteArray& bytes) {
    const Reader r(bytes);
    if (!r.tagAt(0, "RIFF") || !r.tagAt(8, "WAVE")) return nullptr;
    const std::optional<Chunk> fmt = findChunk(r, "fmt ");
    if (!fmt || !playableFormat(r, *fmt)) return nullptr;
    const std::optional<Chunk> data = findChunk(r, "data");
    if (!data) return nullptr;
    const std::size_t present = std::min(data->size, r.size() - data->body);
    const std::size_t frames = present / 2;
    if (frames == 0) return nullptr;
    auto samples = std::make_shared<WaveSamples>(frames);
    for (std::size_t i = 0; i < frames; ++i)
        (*samples)[i] = std::int16_t(r.u16(data->body + 2 * i));
    return samples;
}

} // namespace av
