#pragma once

#include <QImage>
#include <QVector>

namespace av::wmf {

// Decodes a packed device-independent bitmap (header, colour table, bits) that
// must lie within [dib, end). With palette set, the colour table holds indices
// into it (DIB_PAL_COLORS). Returns a null image for damaged or unsupported data.
QImage decodeDib(const char* dib, const char* end, const QVector<QRgb>* palette = nullptr);

// Decodes a device-dependent Bitmap16 object (header followed by its bits).
QImage decodeBitmap16(const char* bitmap, const char* end);

} // namespace av::wmf
