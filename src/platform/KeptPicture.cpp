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
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels = (target.size() * ratio).toSize();
    QImage copy = m_copies->find(m_key, pixels, ratio);
    if (copy.isNull()) {
        copy = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        copy.setDevicePixelRatio(ratio);
        copy.fill(Qt::transparent);
        QPainter p(&copy);
        p.setRenderHints(painter.renderHints());
        m_picture->draw(p, QRectF(QPointF(0, 0), target.size()));
        p.end();
        m_copies->keep(m_key, copy);
    }
    painter.drawImage(target.topLeft(), copy);
}

} // namespace av
