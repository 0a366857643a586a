#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <cstdint>
#include <initializer_list>

namespace av::wmf::test {

// Builds small metafiles record by record, for tests that check one behaviour.
class WmfWriter {
  public:
    // Parameters are 16-bit words in file order (which is reversed from the GDI call).
    WmfWriter& record(std::uint16_t function, std::initializer_list<int> words);
    WmfWriter& bytes(std::uint16_t function, const QByteArray& payload);

    WmfWriter& window(int x, int y, int width, int height);
    WmfWriter& pen(int style, int width, QRgb color);
    WmfWriter& brush(int style, QRgb color, int hatch = 0);
    WmfWriter& select(int index) { return record(0x012D, {index}); }
    WmfWriter& remove(int index) { return record(0x01F0, {index}); }
    WmfWriter& rectangle(int left, int top, int right, int bottom);
    WmfWriter& extTextOut(int x, int y, const QByteArray& text);
    WmfWriter& font(int height, const QByteArray& face, int escapement = 0, int charset = 0);

    // The finished file; with a placeable header when bounds is valid.
    QByteArray finish(int objects, const QRect& bounds = QRect(), int unitsPerInch = 1440,
                      bool endRecord = true) const;

  private:
    QByteArray m_records;
};

} // namespace av::wmf::test
