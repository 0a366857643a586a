#include "WmfWriter.h"

#include <QtEndian>

namespace av::wmf::test {

namespace {

void put16(QByteArray& out, int value) {
    const auto v = static_cast<quint16>(value);
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, quint32 value) {
    put16(out, static_cast<int>(value & 0xFFFF));
    put16(out, static_cast<int>(value >> 16));
}

void putColor(QByteArray& out, QRgb color) {
    put32(out, static_cast<quint32>(qRed(color) | (qGreen(color) << 8) | (qBlue(color) << 16)));
}

} // namespace

WmfWriter& WmfWriter::record(std::uint16_t function, std::initializer_list<int> words) {
    QByteArray payload;
    for (int w : words)
        put16(payload, w);
    return bytes(function, payload);
}

WmfWriter& WmfWriter::bytes(std::uint16_t function, const QByteArray& payload) {
    QByteArray padded = payload;
    if (padded.size() % 2) padded.append('\0');
    put32(m_records, static_cast<quint32>(3 + padded.size() / 2));
    put16(m_records, function);
    m_records.append(padded);
    return *this;
}

WmfWriter& WmfWriter::window(int x, int y, int width, int height) {
    record(0x020B, {y, x});
    return record(0x020C, {height, width});
}

WmfWriter& WmfWriter::pen(int style, int width, QRgb color) {
    QByteArray p;
    put16(p, style);
    put16(p, width);
    put16(p, 0);
    putColor(p, color);
    return bytes(0x02FA, p);
}

WmfWriter& WmfWriter::brush(int style, QRgb color, int hatch) {
    QByteArray b;
    put16(b, style);
    putColor(b, color);
    put16(b, hatch);
    return bytes(0x02FC, b);
}

WmfWriter& WmfWriter::rectangle(int left, int top, int right, int bottom) {
    return record(0x041B, {bottom, right, top, left});
}

WmfWriter& WmfWriter::extTextOut(int x, int y, const QByteArray& text) {
    QByteArray t;
    put16(t, y);
    put16(t, x);
    put16(t, static_cast<int>(text.size()));
    put16(t, 0);
    t.append(text);
    return bytes(0x0A32, t);
}

WmfWriter& WmfWriter::font(int height, const QByteArray& face, int escapement, int charset) {
    QByteArray f;
    for (int v : {height, 0, escapement, escapement, 400})
        put16(f, v);
    f.append(char(0)).append(char(0)).append(char(0)).append(static_cast<char>(charset));
    f.append(QByteArray(4, '\0'));
    f.append(face).append('\0');
    return bytes(0x02FB, f);
}

QByteArray WmfWriter::finish(int objects, const QRect& bounds, int unitsPerInch,
                             bool endRecord) const {
    QByteArray records = m_records;
    if (endRecord) put32(records, 3), put16(records, 0);
    QByteArray out;
    if (bounds.isValid()) {
        QByteArray p;
        put32(p, 0x9AC6CDD7);
        put16(p, 0);
        for (int v : {bounds.left(), bounds.top(), bounds.left() + bounds.width(),
                      bounds.top() + bounds.height(), unitsPerInch})
            put16(p, v);
        put32(p, 0);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= qFromLittleEndian<quint16>(p.constData() + i);
        put16(p, sum);
        out.append(p);
    }
    put16(out, 1);
    put16(out, 9);
    put16(out, 0x0300);
    put32(out, static_cast<quint32>(9 + records.size() / 2));
    put16(out, objects);
    put32(out, 0);
    put16(out, 0);
    return out + records;
}

} // namespace av::wmf::test
