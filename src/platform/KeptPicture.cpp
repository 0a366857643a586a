#include "KeptPicture.h"

#include "CopyDrawer.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace av {

void KeptPicture::draw(QPainter& painter, const QRectF& target) const {
    m_picture->draw(painter, target);
}

bool KeptPicture::copyFits(const QPainter& painter, const QRectF& target) {
    const bool plain = painter.transform().type() <= QTransform::TxTranslate;
    const QPointF at =
        target.topLeft() + QPointF(painter.transform().dx(), painter.transform().dy());
    const bool whole = at == QPointF(std::round(at.x()), std::round(at.y()));
    return plain && whole && painter.device() && !target.isEmpty();
}

void KeptPicture::drawOnScreen(QPainter& painter, const QRectF& target) const {
    if (!copyFits(painter, target)) {
        m_picture->draw(painter, target);
        return;
    }
    const QImage copy =
        copyFor(target.size(), painter.device()->devicePixelRatioF(), painter.renderHints());
    painter.drawImage(target.topLeft(), copy);
}

bool KeptPicture::paintOnScreen(QPainter& painter, const QRectF& target,
                                std::function<void()> drawn) const {
    if (!copyFits(painter, target)) {
        m_picture->draw(painter, target);
        return true;
    }
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QImage copy = m_copies->find(m_key, (target.size() * ratio).toSize(), ratio);
    if (copy.isNull()) {
        m_copies->drawLater(m_key, m_picture, target.size(), ratio, true, std::move(drawn));
        return false;
    }
    painter.drawImage(target.topLeft(), copy);
    return true;
}

void KeptPicture::prepareOnScreen(const QSizeF& size, qreal ratio) const {
    if (size.isEmpty() || m_copies->has(m_key, (size * ratio).toSize(), ratio)) return;
    m_copies->drawLater(m_key, m_picture, size, ratio, false);
}

QImage KeptPicture::copyFor(const QSizeF& size, qreal ratio,
                            std::optional<QPainter::RenderHints> hints) const {
    const QSize pixels = (size * ratio).toSize();
    QImage copy = m_copies->find(m_key, pixels, ratio);
    if (copy.isNull()) {
        copy = CopyDrawer::draw(*m_picture, size, ratio, hints);
        m_copies->keep(m_key, copy);
    }
    return copy;
}

} // namespace av
