#include "DrawnCopies.h"

namespace av {

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

} // namespace av
