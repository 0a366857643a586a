#include "wmf/Dib.h"

#include <QByteArray>
#include <cstdint>
#include <cstring>

namespace av::wmf {

namespace {

// Big enough for any picture in a document, small enough that damage can't
// make us allocate gigabytes.
constexpr std::int64_t kMaxPixels = 1 << 24;
constexpr int kMaxSide = 1 << 15;

template <typename T> T read(const unsigned char* p) {
    T value;
    std::memcpy(&value, p, sizeof(T));
    return value;
}

struct DibInfo {
    int width = 0;
    int height = 0; // negative: rows run top-down
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    int headerSize = 0;
    bool core = false;
};

bool sizeOk(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

bool readInfo(const unsigned char* p, std::size_t available, DibInfo& info) {
    if (available < 12) return false;
    info.headerSize = static_cast<int>(read<std::uint32_t>(p));
    if (info.headerSize == 12) {
        info.core = true;
        info.width = read<std::uint16_t>(p + 4);
        info.height = read<std::uint16_t>(p + 6);
        info.bits = read<std::uint16_t>(p + 10);
        return true;
    }
    if (info.headerSize < 40 || static_cast<std::size_t>(info.headerSize) > available) return false;
    info.width = read<std::int32_t>(p + 4);
    info.height = read<std::int32_t>(p + 8);
    info.bits = read<std::uint16_t>(p + 14);
    info.compression = read<std::uint32_t>(p + 16);
    info.imageSize = read<std::uint32_t>(p + 20);
    info.colorsUsed = read<std::uint32_t>(p + 32);
    return true;
}

int channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        pixel >>= 1;
    }
    const std::uint32_t value = pixel & mask;
    return static_cast<int>(value * 255u / mask);
}

struct Masks {
    std::uint32_t red = 0x7C00, green = 0x03E0, blue = 0x001F;
};

QRgb pixelAt(const unsigned char* row, int x, int bits, const QVector<QRgb>& colors,
             const Masks& masks, bool fields) {
    auto indexed = [&](int index) { return index < colors.size() ? colors[index] : qRgb(0, 0, 0); };
    switch (bits) {
    case 1:
        return indexed((row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return indexed((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 8:
        return indexed(row[x]);
    case 16: {
        const std::uint32_t v = read<std::uint16_t>(row + 2 * x);
        return qRgb(channel(v, masks.red), channel(v, masks.green), channel(v, masks.blue));
    }
    case 24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32: {
        if (!fields) return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
        const std::uint32_t v = read<std::uint32_t>(row + 4 * x);
        return qRgb(channel(v, masks.red), channel(v, masks.green), channel(v, masks.blue));
    }
    default:
        return qRgb(0, 0, 0);
    }
}

QImage unpack(const unsigned char* bits, std::size_t available, int width, int height, int depth,
              bool topDown, const QVector<QRgb>& colors, const Masks& masks, bool fields) {
    const std::int64_t stride = ((static_cast<std::int64_t>(width) * depth + 31) / 32) * 4;
    if (stride * height > static_cast<std::int64_t>(available)) return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    // The common depths get loops of their own: pictures are decoded on every draw.
    QRgb lookup[256];
    if (depth == 8)
        for (int i = 0; i < 256; ++i)
            lookup[i] = i < colors.size() ? colors[i] : qRgb(0, 0, 0);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = bits + stride * (topDown ? y : height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (depth == 24) {
            for (int x = 0; x < width; ++x, row += 3)
                out[x] = qRgb(row[2], row[1], row[0]);
        } else if (depth == 32 && !fields) {
            for (int x = 0; x < width; ++x, row += 4)
                out[x] = qRgb(row[2], row[1], row[0]);
        } else if (depth == 8) {
            for (int x = 0; x < width; ++x)
                out[x] = lookup[row[x]];
        } else {
            for (int x = 0; x < width; ++x)
                out[x] = pixelAt(row, x, depth, colors, masks, fields);
        }
    }
    return image;
}

} // namespace

QImage decodeDib(const char* dib, const char* end, const QVector<QRgb>* palette) {
    if (!dib || end <= dib) return {};
    const auto* p = reinterpret_cast<const unsigned char*>(dib);
    const std::size_t available = static_cast<std::size_t>(end - dib);
    DibInfo info;
    if (!readInfo(p, available, info)) return {};
    std::size_t offset = static_cast<std::size_t>(info.headerSize);
    if (info.compression == 4 || info.compression == 5) { // JPEG or PNG inside
        const std::size_t length = std::min<std::size_t>(info.imageSize, available - offset);
        QImage image = QImage::fromData(QByteArray::fromRawData(dib + offset, int(length)));
        return sizeOk(image.width(), image.height()) ? image : QImage();
    }
    const std::int64_t height = info.height < 0 ? -std::int64_t(info.height) : info.height;
    if (!sizeOk(info.width, height)) return {};
    if (info.compression != 0 && info.compression != 3) return {}; // run-length data: not played
    const bool fields = info.compression == 3 && (info.bits == 16 || info.bits == 32);
    Masks masks;
    if (info.bits == 32 && !fields) masks = {0xFF0000, 0xFF00, 0xFF};
    if (fields) {
        const std::size_t at = info.headerSize == 40 ? offset : 40;
        if (at + 12 > available) return {};
        masks = {read<std::uint32_t>(p + at), read<std::uint32_t>(p + at + 4),
                 read<std::uint32_t>(p + at + 8)};
        if (info.headerSize == 40) offset += 12;
    }
    QVector<QRgb> colors;
    if (info.bits == 1 || info.bits == 4 || info.bits == 8) {
        std::uint32_t count = info.colorsUsed ? info.colorsUsed : 1u << info.bits;
        count = std::min<std::uint32_t>(count, 256);
        const std::size_t entry = palette ? 2 : (info.core ? 3 : 4);
        if (offset + entry * count > available) return {};
        for (std::uint32_t i = 0; i < count; ++i) {
            const unsigned char* c = p + offset + entry * i;
            if (palette) {
                const int index = read<std::uint16_t>(c);
                colors.append(index < palette->size() ? palette->at(index) : qRgb(0, 0, 0));
            } else {
                colors.append(qRgb(c[2], c[1], c[0]));
            }
        }
        offset += entry * count;
    } else if (info.bits != 16 && info.bits != 24 && info.bits != 32) {
        return {};
    }
    return unpack(p + offset, available - offset, info.width, int(height), info.bits,
                  info.height < 0, colors, masks, fields);
}

QImage decodeBitmap16(const char* bitmap, const char* end) {
    if (!bitmap || end - bitmap < 10) return {};
    const auto* p = reinterpret_cast<const unsigned char*>(bitmap);
    const int width = read<std::int16_t>(p + 2);
    const int height = read<std::int16_t>(p + 4);
    const int widthBytes = read<std::int16_t>(p + 6);
    const int planes = p[8];
    const int bits = p[9];
    if (planes != 1 || !sizeOk(width, height) || widthBytes <= 0) return {};
    if (static_cast<std::int64_t>(widthBytes) * 8 < static_cast<std::int64_t>(width) * bits)
        return {};
    const std::size_t available = static_cast<std::size_t>(end - bitmap) - 10;
    if (static_cast<std::int64_t>(widthBytes) * height > static_cast<std::int64_t>(available))
        return {};
    QVector<QRgb> colors;
    if (bits == 1) {
        colors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    } else if (bits == 4 || bits == 8) {
        // Device palettes are gone; a grey ramp keeps the picture legible.
        const int count = 1 << bits;
        for (int i = 0; i < count; ++i)
            colors.append(
                qRgb(i * 255 / (count - 1), i * 255 / (count - 1), i * 255 / (count - 1)));
    } else if (bits != 16 && bits != 24 && bits != 32) {
        return {};
    }
    Masks masks;
    if (bits == 32) masks = {0xFF0000, 0xFF00, 0xFF};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = p + 10 + static_cast<std::size_t>(widthBytes) * y;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            out[x] = pixelAt(row, x, bits, colors, masks, false);
    }
    return image;
}

} // namespace av::wmf
