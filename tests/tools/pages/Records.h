#pragma once

#include <QByteArray>
#include <vector>

namespace av::pages::test {

// A placeable metafile's headers and records, read independently of the writer and player.
struct PlaceableHeader {
    bool magic = false;
    bool checksumOk = false;
    int left = 0, top = 0, right = 0, bottom = 0;
    int inch = 0;
};

struct MetaRecord {
    int function = 0; // the record type's full 16-bit number
    QByteArray body;  // the parameters after size and function
    int word(int i) const;
};

PlaceableHeader readPlaceable(const QByteArray& file);
// The records after the headers; `complete` says the walk ended on an end record exactly at
// the end of the file.
std::vector<MetaRecord> readRecords(const QByteArray& file, bool* complete);
// The size the metafile header gives for the file (in bytes, headers without the placeable).
qint64 declaredSize(const QByteArray& file);
int declaredObjects(const QByteArray& file);

// Record numbers used in the checks.
inline constexpr int SelectObject = 0x012D;
inline constexpr int DeleteObject = 0x01F0;
inline constexpr int CreatePen = 0x02FA;
inline constexpr int CreateBrush = 0x02FC;
inline constexpr int CreateFont = 0x02FB;
inline constexpr int SaveDC = 0x001E;
inline constexpr int RestoreDC = 0x0127;
inline constexpr int ExtTextOut = 0x0A32;
inline constexpr int TextOut = 0x0521;
inline constexpr int StretchDib = 0x0F43;

} // namespace av::pages::test
