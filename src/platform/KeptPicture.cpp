#include "KeptPicture.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace av {

void KeptPicture::draw(QPainter& painter, const QRectF& target) const {
    m_picture->draw(painter, target);
}

void KeptPicture::drawOnScreen(QPainter& painter, const QRectF& target) const {
    const bool plain = painter.transform().type() <= QTransform::TxTranslate;
    const QPointF at =
        target.topLeft() + QPointF(painter.transform().dx(), painter.transform().dy());
    const bool whole = at == QPointF(std::round(at.x()), std::round(at.y()));
    if (!plain || !whole || !painter.device() || target.isEmpty()) {
        m_picture->draw(painter, target);
        return;
    }
    const QImage copy =
        copyFor(target.size(), painter.device()->devicePixelRatioF(), painter.renderHints());
    painter.drawImage(target.topLeft(), copy);
}

void KeptPicture::prepareOnScreen(const QSizeF& size, qreal ratio) const {
    if (!size.isEmpty())
        copyFor(size, ratio, std::nullopt); // a fresh painter's hints, as a widget's paint has
}

QImage KeptPicture::copyFor(const QSizeF& size, qreal ratio,
                            std::optional<QPainter::RenderHints> hints) const {
    const QSize pixels = (size * ratio).toSize();
    QImage copy = m_copies->find(m_key, pixels, ratio);
    if (copy.isNull()) {
        copy = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        copy.setDevicePixelRatio(ratio);
        copy.fill(Qt::transparent);
        QPainter p(&copy);
        if (hints) p.setRenderHints(*hints);
        m_picture->draw(p, QRectF(QPointF(0, 0), size));
        p.end();
        m_copies->keep(m_key, copy);
    }
    return copy;
}

} // namespace av
