#include "WaveBuilder.h"

#include <cmath>

namespace av::test {

namespace {

void put16(QByteArray& out, std::uint16_t v) {
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

} // namespace

QByteArray WaveBuilder::chunk(const char* tag, const QByteArray& body) {
    QByteArray out(tag, 4);
    put32(out, std::uint32_t(body.size()));
    out += body;
    if (body.size() % 2) out.append('\0');
    return out;
}

QByteArray WaveBuilder::bytes() const {
    QByteArray fmt;
    put16(fmt, format);
    put16(fmt, channels);
    put32(fmt, rate);
    const auto block = std::uint16_t(channels * ((bits + 7) / 8));
    put32(fmt, rate * block);
    put16(fmt, block);
    put16(fmt, bits);
    QByteArray data;
    for (std::int16_t s : samples)
        put16(data, std::uint16_t(s));
    const QByteArray body = "WAVE" + before + chunk("fmt ", fmt) + between + chunk("data", data);
    QByteArray out("RIFF");
    put32(out, std::uint32_t(body.size()));
    return out + body;
}

std::vector<std::int16_t> tone(std::size_t frames) {
    std::vector<std::int16_t> out(frames);
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = std::int16_t(8000 + 6000 * std::sin(double(i) * 0.3));
    return out;
}

} // namespace av::test
