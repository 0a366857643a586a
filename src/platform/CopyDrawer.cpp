#include "CopyDrawer.h"

#include <QMetaObject>

namespace av {

CopyDrawer::CopyDrawer(Delivery deliver)
    : m_deliver(std::move(deliver)), m_thread([this] { run(); }) {}

CopyDrawer::~CopyDrawer() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    m_thread.join();
    // Copies handed back but not yet delivered go with this object's posted events.
}

bool CopyDrawer::same(const Order& a, const Order& b) {
    return a.key == b.key && a.size == b.size && qFuzzyCompare(a.ratio, b.ratio);
}

void CopyDrawer::order(Order order, bool urgent) {
    {
        std::lock_guard lock(m_mutex);
        if (m_current && same(*m_current, order)) return;
        for (auto it = m_queue.begin(); it != m_queue.end(); ++it)
            if (same(*it, order)) {
                if (!urgent) return;
                m_queue.erase(it);
                break;
            }
        if (urgent)
            m_queue.push_front(std::move(order));
        else
            m_queue.push_back(std::move(order));
    }
    m_wake.notify_one();
}

int CopyDrawer::outstanding() const {
    std::lock_guard lock(m_mutex);
    return int(m_queue.size()) + (m_current ? 1 : 0) + m_inTransit;
}

QImage CopyDrawer::draw(const Picture& picture, QSizeF size, qreal ratio,
                        std::optional<QPainter::RenderHints> hints) {
    QImage copy((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    copy.setDevicePixelRatio(ratio);
    copy.fill(Qt::transparent);
    QPainter painter(&copy);
    if (hints) painter.setRenderHints(*hints);
    picture.draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return copy;
}

void CopyDrawer::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_stopping) return;
        m_current = std::move(m_queue.front());
        m_queue.pop_front();
        const Order order = *m_current;
        lock.unlock();
        QImage copy = draw(*order.picture, order.size, order.ratio);
        PackedImage packed;
        if (order.pack) packed = PackedImage::pack(copy);
        if (!packed.isNull()) copy = QImage();
        lock.lock();
        m_current.reset();
        ++m_inTransit;
        QMetaObject::invokeMethod(
            this, [this, order, copy, packed] { handBack(order, copy, packed); },
            Qt::QueuedConnection);
    }
}

void CopyDrawer::handBack(const Order& order, const QImage& copy, const PackedImage& packed) {
    {
        std::lock_guard lock(m_mutex);
        --m_inTransit;
    }
    m_deliver(order, copy, packed);
}

} // namespace av
