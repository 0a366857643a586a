#include "DrawnCopies.h"

#include "CopyDrawer.h"
#include "Fonts.h"

namespace av {

DrawnCopies::DrawnCopies(qsizetype budgetBytes) : m_budget(budgetBytes) {}

DrawnCopies::~DrawnCopies() = default;

QImage DrawnCopies::find(const QString& key, QSize pixels, qreal ratio) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->key != key) continue;
        if (it->copy.size() != pixels || !qFuzzyCompare(it->copy.devicePixelRatio(), ratio))
            return {};
        m_entries.splice(m_entries.begin(), m_entries, it);
        return m_entries.front().copy;
    }
    return {};
}

void DrawnCopies::keep(const QString& key, const QImage& copy) {
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
        if (it->key == key) {
            drop(it);
            break;
        }
    m_entries.push_front({key, copy});
    m_bytes += copy.sizeInBytes();
    // The newest copy always stays, even alone over the budget: it is the one on show.
    while (m_bytes > m_budget && m_entries.size() > 1)
        drop(std::prev(m_entries.end()));
}

void DrawnCopies::drop(std::list<Entry>::iterator it) {
    m_bytes -= it->copy.sizeInBytes();
    m_entries.erase(it);
}

QString DrawnCopies::orderId(const QString& key, QSizeF size, qreal ratio) {
    return key + QStringLiteral("|%1x%2@%3").arg(size.width()).arg(size.height()).arg(ratio);
}

void DrawnCopies::drawLater(const QString& key, PicturePtr picture, QSizeF size, qreal ratio,
                            bool urgent, std::function<void()> drawn) {
    if (!m_drawer) {
        // The worker maps face names too; the faces are added to the font database here first.
        fonts::registerFaces();
        m_drawer = std::make_unique<CopyDrawer>(
            [this](const CopyDrawer::Order& order, const QImage& copy) {
                keep(order.key, copy);
                const auto waiting = m_waiting.take(orderId(order.key, order.size, order.ratio));
                for (const auto& call : waiting)
                    if (call) call();
            });
    }
    auto& waiting = m_waiting[orderId(key, size, ratio)];
    if (drawn) waiting.push_back(std::move(drawn));
    m_drawer->order({key, std::move(picture), size, ratio}, urgent);
}

} // namespace av
