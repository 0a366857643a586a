#include "PackedImage.h"

#include <zlib.h>

namespace av {
namespace {
// The quickest level: the pages are mostly runs of one colour, which any level packs well.
constexpr int Level = 1;
} // namespace

PackedImage PackedImage::pack(const QImage& image) {
    PackedImage packed;
    if (image.isNull()) return packed;
    const auto size = uLong(image.sizeInBytes());
    QByteArray bytes(qsizetype(compressBound(size)), Qt::Uninitialized);
    auto length = uLongf(bytes.size());
    if (compress2(reinterpret_cast<Bytef*>(bytes.data()), &length, image.constBits(), size,
                  Level) != Z_OK)
        return packed;
    bytes.truncate(qsizetype(length));
    bytes.squeeze();
    packed.m_bytes = std::move(bytes);
    packed.m_size = image.size();
    packed.m_ratio = image.devicePixelRatio();
    packed.m_format = image.format();
    return packed;
}

QImage PackedImage::unpack() const {
    if (isNull()) return {};
    QImage image(m_size, m_format);
    if (image.isNull()) return {};
    auto length = uLongf(image.sizeInBytes());
    const int result =
        uncompress(image.bits(), &length, reinterpret_cast<const Bytef*>(m_bytes.constData()),
                   uLong(m_bytes.size()));
    if (result != Z_OK || length != uLongf(image.sizeInBytes())) return {};
    image.setDevicePixelRatio(m_ratio);
    return image;
}

} // namespace av
