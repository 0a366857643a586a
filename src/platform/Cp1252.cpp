#include "Cp1252.h"

#include <array>

namespace av::cp1252 {
namespace {

// 0x80..0x9F; zero marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    if (u < 0xA0 && High[u - 0x80] == 0) return u; // undefined bytes read back as themselves
    for (size_t i = 0; i < High.size(); ++i)
        if (High[i] != 0 && High[i] == u) return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0 && High[b - 0x80] != 0)
            out.append(QChar(High[b - 0x80]));
        else
            out.append(QChar(char16_t(b))); // undefined bytes map through, as Windows does
    }
    return out;
}

bool canEncode(QChar c) {
    return byteFor(c) >= 0;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c);
        out.append(b >= 0 ? static_cast<char>(b) : '?');
    }
    return out;
}

} // namespace av::cp1252
