#include "Picture.h"

#include "Twips.h"

#include <QPainter>

namespace av {

RasterPicture::RasterPicture(QImage image, QSize natural)
    : m_image(std::move(image)),
      m_natural(natural.isValid() ? natural.expandedTo(m_image.size()) : m_image.size()) {}

// A raster picture's pixels are the screen's pixels, whatever resolution its file claims.
QSizeF RasterPicture::sizeTwips() const {
    return QSizeF(m_natural.width() * TwipsPerPixel, m_natural.height() * TwipsPerPixel);
}

void RasterPicture::draw(QPainter& painter, const QRectF& target) const {
    if (m_natural.isEmpty()) return;
    // The part held covers the same share of target as it does of the whole picture.
    const QRectF part(target.topLeft(),
                      QSizeF(target.width() * m_image.width() / m_natural.width(),
                             target.height() * m_image.height() / m_natural.height()));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(part, m_image);
    painter.restore();
}

} // namespace av
