#include "Records.h"

namespace av::pages::test {
namespace {

// Little-endian fields, read byte by byte; -1 past the end.
int u16(const QByteArray& b, qsizetype at) {
    if (at < 0 || at + 2 > b.size()) return -1;
    return (uchar(b.at(at + 1)) << 8) | uchar(b.at(at));
}
qint64 u32(const QByteArray& b, qsizetype at) {
    const int low = u16(b, at), high = u16(b, at + 2);
    return low < 0 || high < 0 ? -1 : (qint64(high) << 16) | low;
}
constexpr int PlaceableSize = 22;
constexpr int MetaHeaderSize = 18;

} // namespace

int MetaRecord::word(int i) const {
    const int v = u16(body, 2 * i);
    return v < 0 ? 0 : qint16(v);
}

PlaceableHeader readPlaceable(const QByteArray& f) {
    PlaceableHeader h;
    h.magic = u32(f, 0) == 0x9AC6CDD7;
    if (f.size() < PlaceableSize) return h;
    h.left = qint16(u16(f, 6));
    h.top = qint16(u16(f, 8));
    h.right = qint16(u16(f, 10));
    h.bottom = qint16(u16(f, 12));
    h.inch = u16(f, 14);
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= u16(f, 2 * i);
    h.checksumOk = sum == u16(f, 20);
    return h;
}

std::vector<MetaRecord> readRecords(const QByteArray& f, bool* complete) {
    std::vector<MetaRecord> out;
    qsizetype at = PlaceableSize + MetaHeaderSize;
    *complete = false;
    while (at + 6 <= f.size()) {
        const qint64 bytes = 2 * u32(f, at);
        if (bytes < 6 || at + bytes > f.size()) return out;
        MetaRecord r{u16(f, at + 4), f.mid(at + 6, bytes - 6)};
        at += bytes;
        if (r.function == 0) {
            *complete = at == f.size();
            return out;
        }
        out.push_back(r);
    }
    return out;
}

qint64 declaredSize(const QByteArray& f) {
    return 2 * u32(f, PlaceableSize + 6);
}
int declaredObjects(const QByteArray& f) {
    return u16(f, PlaceableSize + 10);
}

} // namespace av::pages::test
