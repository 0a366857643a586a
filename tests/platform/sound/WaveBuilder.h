#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace av::test {

// Writes wave files field by field, so a test can make every kind a player meets.
struct WaveBuilder {
    std::uint16_t format = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    std::vector<std::int16_t> samples;
    // Chunks written before "fmt " and between "fmt " and "data".
    QByteArray before;
    QByteArray between;

    QByteArray bytes() const;
    // A chunk with its header and padding.
    static QByteArray chunk(const char* tag, const QByteArray& body);
};

// A short tone of `frames` samples that are never silent.
std::vector<std::int16_t> tone(std::size_t frames);

} // namespace av::test
