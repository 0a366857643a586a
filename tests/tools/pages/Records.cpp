#include "Records.h"

#include <QtEndian>

namespace av::pages::test {
namespace {

int u16(const QByteArray& b, qsizetype at) {
    return at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : -1;
}
qint64 u32(const QByteArray& b, qsizetype at) {
    return at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : -1;
}
constexpr int PlaceableSize = 22;
constexpr int MetaHeaderSize = 18;

} // namespace

int MetaRecord::word(int i) const {
    return 2 * i + 2 <= body.size() ? qFromLittleEndian<qint16>(body.constData() + 2 * i) : 0;
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
