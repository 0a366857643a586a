#include "wmf/TextDecoder.h"

#include <array>
#include <iconv.h>
#include <map>
#include <mutex>

namespace av::wmf {

namespace {

using ByteTable = std::array<char16_t, 256>;

const char* codePage(int charset) {
    switch (charset) {
    case 77:
        return "MACINTOSH";
    case 128:
        return "CP932";
    case 129:
        return "CP949";
    case 130:
        return "JOHAB";
    case 134:
        return "CP936";
    case 136:
        return "BIG5";
    case 161:
        return "CP1253";
    case 162:
        return "CP1254";
    case 163:
        return "CP1258";
    case 177:
        return "CP1255";
    case 178:
        return "CP1256";
    case 186:
        return "CP1257";
    case 204:
        return "CP1251";
    case 222:
        return "CP874";
    case 238:
        return "CP1250";
    case 255:
        return "CP437";
    default:
        return "CP1252";
    }
}

bool isLeadByte(int charset, unsigned char byte) {
    switch (charset) {
    case 128:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 129:
    case 134:
    case 136:
        return byte >= 0x81 && byte <= 0xFE;
    case 130:
        return byte >= 0x84 && byte <= 0xF9;
    default:
        return false;
    }
}

bool isDoubleByte(int charset) {
    return charset == 128 || charset == 129 || charset == 130 || charset == 134 || charset == 136;
}

// Converts one character's bytes; returns 0 when the code page has no such character.
int convert(iconv_t cd, const char* in, std::size_t inLength, char16_t out[2]) {
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in);
    char* dst = reinterpret_cast<char*>(out);
    std::size_t dstLeft = 2 * sizeof(char16_t);
    if (iconv(cd, &src, &inLength, &dst, &dstLeft) == static_cast<std::size_t>(-1)) return 0;
    return static_cast<int>((2 * sizeof(char16_t) - dstLeft) / sizeof(char16_t));
}

ByteTable buildTable(int charset) {
    ByteTable table{};
    iconv_t cd = iconv_open("UTF-16LE", codePage(charset));
    for (int byte = 0; byte < 256; ++byte) {
        const char in = static_cast<char>(byte);
        char16_t out[2] = {};
        table[byte] = convert(cd, &in, 1, out) == 1 ? out[0] : static_cast<char16_t>(byte);
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    return table;
}

const ByteTable& tableFor(int charset) {
    static std::mutex mutex;
    static std::map<int, ByteTable> tables;
    const std::lock_guard lock(mutex);
    auto it = tables.find(charset);
    if (it == tables.end()) it = tables.emplace(charset, buildTable(charset)).first;
    return it->second;
}

// The Symbol font puts Greek letters where Latin ones would be.
const char16_t kSymbolUpper[26] = {0x391, 0x392, 0x3A7, 0x394, 0x395, 0x3A6, 0x393, 0x397, 0x399,
                                   0x3D1, 0x39A, 0x39B, 0x39C, 0x39D, 0x39F, 0x3A0, 0x398, 0x3A1,
                                   0x3A3, 0x3A4, 0x3A5, 0x3C2, 0x3A9, 0x39E, 0x3A8, 0x396};
const char16_t kSymbolLower[26] = {0x3B1, 0x3B2, 0x3C7, 0x3B4, 0x3B5, 0x3C6, 0x3B3, 0x3B7, 0x3B9,
                                   0x3D5, 0x3BA, 0x3BB, 0x3BC, 0x3BD, 0x3BF, 0x3C0, 0x3B8, 0x3C1,
                                   0x3C3, 0x3C4, 0x3C5, 0x3D6, 0x3C9, 0x3BE, 0x3C8, 0x3B6};

char16_t symbolChar(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return kSymbolUpper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z') return kSymbolLower[byte - 'a'];
    switch (byte) {
    case 0x22:
        return 0x2200; // for all
    case 0x24:
        return 0x2203; // exists
    case 0x27:
        return 0x220B;
    case 0x2A:
        return 0x2217;
    case 0x2D:
        return 0x2212; // minus
    case 0x40:
        return 0x2245;
    case 0x5C:
        return 0x2234; // therefore
    case 0x5E:
        return 0x22A5;
    case 0x60:
        return 0xF8E5;
    case 0x7E:
        return 0x223C;
    case 0xA1:
        return 0x3D2;
    case 0xA2:
        return 0x2032; // prime
    case 0xA3:
        return 0x2264; // less or equal
    case 0xA4:
        return 0x2044;
    case 0xA5:
        return 0x221E; // infinity
    case 0xA6:
        return 0x192;
    case 0xAB:
        return 0x2194;
    case 0xAC:
        return 0x2190;
    case 0xAD:
        return 0x2191;
    case 0xAE:
        return 0x2192;
    case 0xAF:
        return 0x2193;
    case 0xB0:
        return 0xB0;
    case 0xB1:
        return 0xB1;
    case 0xB2:
        return 0x2033;
    case 0xB3:
        return 0x2265; // greater or equal
    case 0xB4:
        return 0xD7;
    case 0xB5:
        return 0x221D;
    case 0xB6:
        return 0x2202; // partial
    case 0xB7:
        return 0x2022;
    case 0xB8:
        return 0xF7;
    case 0xB9:
        return 0x2260; // not equal
    case 0xBA:
        return 0x2261;
    case 0xBB:
        return 0x2248;
    case 0xBC:
        return 0x2026;
    case 0xC4:
        return 0x2297;
    case 0xC5:
        return 0x2295;
    case 0xC6:
        return 0x2205;
    case 0xC7:
        return 0x2229;
    case 0xC8:
        return 0x222A;
    case 0xCE:
        return 0x2208;
    case 0xCF:
        return 0x2209;
    case 0xD1:
        return 0x2207;
    case 0xD5:
        return 0x220F;
    case 0xD6:
        return 0x221A; // root
    case 0xD7:
        return 0x22C5;
    case 0xD8:
        return 0xAC;
    case 0xD9:
        return 0x2227;
    case 0xDA:
        return 0x2228;
    case 0xDB:
        return 0x21D4;
    case 0xDC:
        return 0x21D0;
    case 0xDD:
        return 0x21D1;
    case 0xDE:
        return 0x21D2;
    case 0xDF:
        return 0x21D3;
    case 0xE1:
        return 0x2329;
    case 0xE5:
        return 0x2211; // sum
    case 0xF1:
        return 0x232A;
    case 0xF2:
        return 0x222B; // integral
    default:
        return byte;
    }
}

void decodeDoubleByte(const unsigned char* in, int length, int charset, DecodedText& out) {
    iconv_t cd = iconv_open("UTF-16LE", codePage(charset));
    for (int i = 0; i < length;) {
        const int take = (isLeadByte(charset, in[i]) && i + 1 < length) ? 2 : 1;
        char16_t chars[2] = {};
        const int count = take == 1 && in[i] < 0x80
                              ? (chars[0] = in[i], 1)
                              : convert(cd, reinterpret_cast<const char*>(in + i), take, chars);
        if (count == 0) {
            out.text.append(QChar(0xFFFD));
            out.bytesPerChar.append(take);
        }
        for (int c = 0; c < count; ++c) {
            out.text.append(QChar(chars[c]));
            out.bytesPerChar.append(c == 0 ? take : 0);
        }
        i += take;
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
}

} // namespace

DecodedText decodeText(const char* bytes, int length, int charset, bool symbolFont) {
    DecodedText out;
    if (!bytes || length <= 0) return out;
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    if (isDoubleByte(charset)) {
        decodeDoubleByte(in, length, charset, out);
        return out;
    }
    out.text.reserve(length);
    out.bytesPerChar.fill(1, length);
    if (symbolFont || charset == 2) {
        for (int i = 0; i < length; ++i)
            out.text.append(QChar(symbolFont ? symbolChar(in[i]) : char16_t(in[i])));
        return out;
    }
    const ByteTable& table = tableFor(charset);
    for (int i = 0; i < length; ++i)
        out.text.append(QChar(table[in[i]]));
    return out;
}

} // namespace av::wmf
