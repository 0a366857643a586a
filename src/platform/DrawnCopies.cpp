#include "DrawnCopies.h"

#include "CopyDrawer.h"
#include "Fonts.h"

#include <algorithm>

namespace av {

DrawnCopies::DrawnCopies(qsizetype budgetBytes) : m_budget(budgetBytes) {}

DrawnCopies::~DrawnCopies() = default;

QImage DrawnCopies::find(const QString& key, QSize pixels, qreal ratio) {
    for (Entry& entry : m_entries) {
        if (entry.key != key) continue;
        if (entry.copy.size() != pixels || !qFuzzyCompare(entry.copy.devicePixelRatio(), ratio))
            return {};
        entry.wanted = ++m_clock;
        return entry.copy;
    }
    return {};
}

void DrawnCopies::keep(const QString& key, const QImage& copy, quint64 wanted) {
    const auto same = std::find_if(m_entries.begin(), m_entries.end(),
                                   [&](const Entry& e) { return e.key == key; });
    if (same != m_entries.end()) {
        m_bytes -= same->copy.sizeInBytes();
        m_entries.erase(same);
    }
    m_entries.push_back({key, copy, wanted});
    m_bytes += copy.sizeInBytes();
    // The copy just kept always stays, even alone over the budget: a window may be waiting
    // for it.
    while (m_bytes > m_budget && m_entries.size() > 1) {
        const auto least =
            std::min_element(m_entries.begin(), m_entries.end() - 1,
                             [](const Entry& a, const Entry& b) { return a.wanted < b.wanted; });
        m_bytes -= least->copy.sizeInBytes();
        m_entries.erase(least);
    }
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
                const Waiting waiting = m_waiting.take(orderId(order.key, order.size, order.ratio));
                keep(order.key, copy, waiting.wanted);
                for (const auto& call : waiting.calls)
                    if (call) call();
            });
    }
    Waiting& waiting = m_waiting[orderId(key, size, ratio)];
    waiting.wanted = ++m_clock;
    if (drawn) waiting.calls.push_back(std::move(drawn));
    m_drawer->order({key, std::move(picture), size, ratio}, urgent);
}

} // namespace av
