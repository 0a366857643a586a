#include "PackedImage.h"

#include <lz4.h>

namespace av {

PackedImage PackedImage::pack(const QImage& image) {
    PackedImage packed;
    if (image.isNull() || image.sizeInBytes() > LZ4_MAX_INPUT_SIZE) return packed;
    const int size = int(image.sizeInBytes());
    QByteArray bytes(LZ4_compressBound(size), Qt::Uninitialized);
    const int length = LZ4_compress_default(reinterpret_cast<const char*>(image.constBits()),
                                            bytes.data(), size, int(bytes.size()));
    if (length <= 0) return packed;
    bytes.truncate(length);
    bytes.squeeze();
    packed.m_bytes = std::move(bytes);
    packed.m_size = image.size();
    packed.m_ratio = image.devicePixelRatio();
    packed.m_format = image.format();
    return packed;
}

QImage PackedImage::unpack(QImage spare) const {
    if (isNull()) return {};
    // A spare of the same shape that nothing else holds saves a fresh allocation's page faults.
    const bool fits = spare.size() == m_size && spare.format() == m_format && spare.isDetached();
    QImage image = fits ? std::move(spare) : QImage(m_size, m_format);
    if (image.isNull()) return {};
    const int size = int(image.sizeInBytes());
    const int length = LZ4_decompress_safe(
        m_bytes.constData(), reinterpret_cast<char*>(image.bits()), int(m_bytes.size()), size);
    if (length != size) return {};
    image.setDevicePixelRatio(m_ratio);
    return image;
}

} // namespace av
