#include "Picture.h"

#include "Twips.h"

#include <QPainter>

namespace av {

// A raster picture's pixels are the screen's pixels, whatever resolution its file claims.
QSizeF RasterPicture::sizeTwips() const {
    return QSizeF(m_image.width() * TwipsPerPixel, m_image.height() * TwipsPerPixel);
}

void RasterPicture::draw(QPainter& painter, const QRectF& target) const {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
    painter.restore();
}

} // namespace av
