#include "DrawnCopies.h"

#include "CopyDrawer.h"
#include "Fonts.h"

#include <algorithm>

namespace av {

DrawnCopies::DrawnCopies(qsizetype packedBudget) : m_budget(packedBudget) {}

DrawnCopies::~DrawnCopies() = default;

DrawnCopies::Entry* DrawnCopies::entry(const QString& key, QSize pixels, qreal ratio) {
    for (Entry& e : m_entries)
        if (e.key == key) return e.pixels == pixels && qFuzzyCompare(e.ratio, ratio) ? &e : nullptr;
    return nullptr;
}

QImage DrawnCopies::find(const QString& key, QSize pixels, qreal ratio) {
    if (!entry(key, pixels, ratio)) return {};
    // The copy on show before goes first, so that two pages are never held whole; its pixels
    // take the one unpacked now.
    QImage spare;
    for (Entry& other : m_entries)
        if (other.key != key && !other.whole.isNull()) spare = std::exchange(other.whole, {});
    show(key);
    Entry* e = entry(key, pixels, ratio);
    e->wanted = ++m_clock;
    if (e->whole.isNull()) e->whole = e->packed.unpack(std::move(spare));
    const QImage copy = e->whole;
    if (copy.isNull()) // packed bytes that do not unpack whole are no copy
        std::erase_if(m_entries, [&](const Entry& other) { return other.key == key; });
    return copy;
}

bool DrawnCopies::has(const QString& key, QSize pixels, qreal ratio) {
    Entry* e = entry(key, pixels, ratio);
    if (e) e->wanted = ++m_clock;
    return e != nullptr;
}

void DrawnCopies::keep(const QString& key, const QImage& copy) {
    keep({key, copy.size(), copy.devicePixelRatio(), {}, copy, ++m_clock});
    show(key);
}

void DrawnCopies::keep(Entry kept) {
    std::erase_if(m_entries, [&](const Entry& e) {
        if (e.key != kept.key) return false;
        // The copy on show, packed meanwhile, stays on show.
        if (kept.whole.isNull() && e.pixels == kept.pixels && qFuzzyCompare(e.ratio, kept.ratio))
            kept.whole = e.whole;
        return true;
    });
    m_entries.push_back(std::move(kept));
    keepWithinBudget();
}

void DrawnCopies::show(const QString& key) {
    // A copy with nothing packed to fall back on goes: a page window draws the pages next to
    // its own ahead, packed.
    std::erase_if(m_entries, [&](Entry& e) {
        if (e.key == key) return false;
        e.whole = QImage();
        return e.packed.isNull();
    });
}

bool DrawnCopies::shownSince(const QString& key, quint64 clock) const {
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const Entry& e) {
        return e.key != key && !e.whole.isNull() && e.wanted > clock;
    });
}

void DrawnCopies::keepWithinBudget() {
    auto packedBytes = [this] {
        qsizetype sum = 0;
        for (const Entry& e : m_entries)
            sum += e.packed.bytes();
        return sum;
    };
    // The copy on show, and a copy just kept, always stay: a window may be waiting for it.
    while (packedBytes() > m_budget) {
        auto least = m_entries.end();
        for (auto it = m_entries.begin(); it + 1 < m_entries.end(); ++it)
            if (it->whole.isNull() && (least == m_entries.end() || it->wanted < least->wanted))
                least = it;
        if (least == m_entries.end()) return;
        m_entries.erase(least);
    }
}

void DrawnCopies::keepOnly(const QStringList& keys) {
    std::erase_if(m_entries, [&](Entry& e) {
        if (!keys.contains(e.key)) return true;
        // No page is on show: a copy held whole as well as packed keeps the packed one.
        if (!e.packed.isNull()) e.whole = QImage();
        return false;
    });
}

qsizetype DrawnCopies::bytes() const {
    qsizetype sum = 0;
    for (const Entry& e : m_entries)
        sum += e.packed.bytes() + e.whole.sizeInBytes();
    return sum;
}

QString DrawnCopies::orderId(const QString& key, QSizeF size, qreal ratio) {
    return key + QStringLiteral("|%1x%2@%3").arg(size.width()).arg(size.height()).arg(ratio);
}

void DrawnCopies::delivered(const QString& key, const QString& order, QImage copy,
                            PackedImage packed) {
    const Waiting waiting = m_waiting.take(order);
    // Drawn whole only for a window waiting to show it, unless another copy went on show since
    // it was ordered (a page turned again before the worker got to this one): that copy stays
    // on show, and this one is kept packed, like one drawn ahead.
    if (!copy.isNull() && shownSince(key, waiting.wanted)) {
        packed = PackedImage::pack(copy);
        copy = QImage();
    }
    if (!copy.isNull()) {
        keep({key, copy.size(), copy.devicePixelRatio(), packed, copy, waiting.wanted});
        show(key);
    } else if (!packed.isNull()) {
        keep({key, packed.size(), packed.ratio(), packed, {}, waiting.wanted});
    }
    for (const auto& call : waiting.calls)
        if (call) call();
}

void DrawnCopies::drawLater(const QString& key, PicturePtr picture, QSizeF size, qreal ratio,
                            bool urgent, std::function<void()> drawn) {
    if (!m_drawer) {
        // The worker maps face names too; the faces are added to the font database here first.
        fonts::registerFaces();
        m_drawer = std::make_unique<CopyDrawer>(
            [this](const CopyDrawer::Order& order, const QImage& copy, const PackedImage& packed) {
                delivered(order.key, orderId(order.key, order.size, order.ratio), copy, packed);
            });
    }
    Waiting& waiting = m_waiting[orderId(key, size, ratio)];
    waiting.wanted = ++m_clock;
    if (drawn) waiting.calls.push_back(std::move(drawn));
    m_drawer->order({key, std::move(picture), size, ratio, !urgent}, urgent);
}

} // namespace av
