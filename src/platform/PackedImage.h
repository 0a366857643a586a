#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace av {

// An image squeezed for keeping, its pixels exactly as they were: a drawn page of flat colour and
// text packs (LZ4) to about a fifteenth of its size in under a millisecond, and unpacks in about
// a millisecond.
class PackedImage {
  public:
    PackedImage() = default;
    static PackedImage pack(const QImage& image);
    // A null image when there is nothing packed or the bytes do not unpack whole. The pixels go
    // into spare when it is an image of the same size and format held nowhere else.
    QImage unpack(QImage spare = {}) const;

    bool isNull() const { return m_bytes.isEmpty(); }
    qsizetype bytes() const { return m_bytes.size(); }
    // The unpacked image's size in device pixels, and its pixel ratio.
    QSize size() const { return m_size; }
    qreal ratio() const { return m_ratio; }

  private:
    QByteArray m_bytes;
    QSize m_size;
    qreal m_ratio = 1;
    QImage::Format m_format = QImage::Format_Invalid;
};

} // namespace av
