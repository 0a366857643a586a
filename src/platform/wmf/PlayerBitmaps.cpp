#include "wmf/Dib.h"
#include "wmf/Player.h"

#include <uwmf.h>

namespace av::wmf {

namespace {

constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kSrcAnd = 0x008800C6;
constexpr std::uint32_t kSrcPaint = 0x00EE0086;
constexpr std::uint32_t kSrcInvert = 0x00660046;
constexpr std::uint32_t kNotSrcCopy = 0x00330008;
constexpr std::uint32_t kBlackness = 0x00000042;
constexpr std::uint32_t kWhiteness = 0x00FF0062;
constexpr std::uint32_t kDstInvert = 0x00550009;
constexpr std::uint32_t kPatInvert = 0x005A0049;
constexpr std::uint32_t kDstCopy = 0x00AA0029;

// Blit records come with or without a bitmap; the size tells which.
bool withoutBitmap(const Record& r) {
    return U_TEST_NOPXB(r.size, static_cast<std::uint8_t>(r.data[5]));
}

QRectF logicalRect(U_POINT16 at, U_POINT16 size) {
    return QRectF(at.x, at.y, size.x, size.y);
}

} // namespace

void Player::blit(const QImage& source, const QRectF& dest, QRectF from, std::uint32_t rop) {
    if (source.isNull() || dest.width() == 0 || dest.height() == 0) return;
    applyClip();
    from = from.normalized();
    if (from.isEmpty()) from = source.rect();
    QImage image = source;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    // Masked sprites are drawn as AND then OR/XOR; blend modes come close on any device.
    if (rop == kSrcAnd) {
        if (!m_blendModes) return;
        mode = QPainter::CompositionMode_Multiply;
    } else if (rop == kSrcPaint && m_blendModes) {
        mode = QPainter::CompositionMode_Lighten;
    } else if (rop == kSrcInvert && m_blendModes) {
        mode = QPainter::CompositionMode_Difference;
    } else if (rop == kNotSrcCopy) {
        image.invertPixels();
    }
    const QPointF p1 = map(dest.left(), dest.top());
    const QPointF p2 = map(dest.right(), dest.bottom());
    const double sx = (p2.x() - p1.x()) / from.width();
    const double sy = (p2.y() - p1.y()) / from.height();
    m_painter.save();
    m_painter.setCompositionMode(mode);
    m_painter.setTransform(
        QTransform(sx, 0, 0, sy, p1.x() - from.left() * sx, p1.y() - from.top() * sy), true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, m_dc.stretchMode == 4); // HALFTONE
    m_painter.drawImage(from, image, from);
    m_painter.restore();
}

void Player::patternFill(const QRectF& dest, std::uint32_t rop) {
    if (rop == kDstCopy) return;
    applyClip();
    const QRectF box = mapRect(dest.left(), dest.top(), dest.right(), dest.bottom());
    m_painter.save();
    if (rop == kBlackness) {
        m_painter.fillRect(box, Qt::black);
    } else if (rop == kWhiteness) {
        m_painter.fillRect(box, Qt::white);
    } else if (rop == kDstInvert || rop == kPatInvert) {
        if (m_blendModes) {
            m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
            m_painter.fillRect(box, rop == kDstInvert ? QBrush(Qt::white) : brush());
        }
    } else {
        m_painter.fillRect(box, brush());
    }
    m_painter.restore();
}

bool Player::bitmaps(const Record& r) {
    U_POINT16 dst{}, dstSize{}, src{}, srcSize{};
    std::uint32_t rop = kSrcCopy;
    U_BITMAP16 bitmap{};
    const char* bits = nullptr;
    switch (r.type) {
    case U_WMR_PATBLT:
        if (r.holds(U_SIZE_WMRPATBLT) && U_WMRPATBLT_get(r.data, &dst, &dstSize, &rop))
            patternFill(logicalRect(dst, dstSize), rop);
        return true;
    case U_WMR_BITBLT:
    case U_WMR_STRETCHBLT: {
        const bool stretch = r.type == U_WMR_STRETCHBLT;
        const bool bare = withoutBitmap(r);
        const std::size_t need =
            bare ? (stretch ? U_SIZE_WMRSTRETCHBLT_NOPX : U_SIZE_WMRBITBLT_NOPX)
                 : (stretch ? U_SIZE_WMRSTRETCHBLT_PX : U_SIZE_WMRBITBLT_PX) + U_SIZE_BITMAP16;
        if (!r.holds(need)) return true;
        const int ok =
            stretch
                ? U_WMRSTRETCHBLT_get(r.data, &dst, &dstSize, &src, &srcSize, &rop, &bitmap, &bits)
                : U_WMRBITBLT_get(r.data, &dst, &dstSize, &src, &rop, &bitmap, &bits);
        if (!stretch) srcSize = dstSize;
        if (!ok) return true;
        if (bare || !bits) {
            patternFill(logicalRect(dst, dstSize), rop);
        } else {
            blit(decodeBitmap16(bits - U_SIZE_BITMAP16, r.end()), logicalRect(dst, dstSize),
                 QRectF(src.x, src.y, srcSize.x, srcSize.y), rop);
        }
        return true;
    }
    case U_WMR_DIBBITBLT:
    case U_WMR_DIBSTRETCHBLT: {
        const bool stretch = r.type == U_WMR_DIBSTRETCHBLT;
        const bool bare = withoutBitmap(r);
        const std::size_t need =
            bare ? (stretch ? U_SIZE_WMRDIBSTRETCHBLT_NOPX : U_SIZE_WMRDIBBITBLT_NOPX)
                 : (stretch ? U_SIZE_WMRDIBSTRETCHBLT_PX : U_SIZE_WMRDIBBITBLT_PX) + 40;
        if (!r.holds(need)) return true;
        const int ok =
            stretch ? U_WMRDIBSTRETCHBLT_get(r.data, &dst, &dstSize, &src, &srcSize, &rop, &bits)
                    : U_WMRDIBBITBLT_get(r.data, &dst, &dstSize, &src, &rop, &bits);
        if (!stretch) srcSize = dstSize;
        if (!ok) return true;
        if (bare || !bits) {
            patternFill(logicalRect(dst, dstSize), rop);
        } else {
            blit(decodeDib(bits, r.end()), logicalRect(dst, dstSize),
                 QRectF(src.x, src.y, srcSize.x, srcSize.y), rop);
        }
        return true;
    }
    case U_WMR_STRETCHDIB: {
        std::uint16_t usage = 0;
        if (!r.holds(U_SIZE_WMRSTRETCHDIB + 40) ||
            !U_WMRSTRETCHDIB_get(r.data, &dst, &dstSize, &src, &srcSize, &usage, &rop, &bits))
            return true;
        const QImage image = decodeDib(bits, r.end(), usage == 1 ? &m_dc.palette.entries : nullptr);
        // StretchDIBits counts source rows from the bottom of the bitmap.
        const double top = image.height() - src.y - srcSize.y;
        blit(image, logicalRect(dst, dstSize), QRectF(src.x, top, srcSize.x, srcSize.y), rop);
        return true;
    }
    case U_WMR_SETDIBTODEV: {
        if (!r.holds(24 + 40)) return true;
        // Fields: usage, scan count, first scan, source y, x, height, width, dest y, x, bitmap.
        const int usage = r.u16(6);
        const QImage image =
            decodeDib(r.data + 24, r.end(), usage == 1 ? &m_dc.palette.entries : nullptr);
        const QRectF dest(r.i16(22), r.i16(20), r.i16(18), r.i16(16));
        blit(image, dest, QRectF(r.i16(14), r.i16(12), r.i16(18), r.i16(16)), kSrcCopy);
        return true;
    }
    default:
        return false;
    }
}

} // namespace av::wmf
