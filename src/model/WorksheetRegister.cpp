#include "WorksheetRegister.h"

#include "platform/RuntimeError.h"

#include <algorithm>

namespace av {

QString WorksheetRegister::name(int slot) const {
    if (slot < 1 || slot > MaxNames) return {};
    return m_slots[static_cast<size_t>(slot)];
}

QStringList WorksheetRegister::names() const {
    QStringList out;
    for (int i = 1; i <= std::min(m_count, MaxNames); ++i)
        out.append(m_slots[static_cast<size_t>(i)]);
    return out;
}

bool WorksheetRegister::contains(const QString& title) const {
    for (int i = 1; i <= std::min(m_count, MaxNames); ++i)
        if (m_slots[static_cast<size_t>(i)] == title) return true;
    return false;
}

void WorksheetRegister::setName(int slot, const QString& name) {
    if (slot < 1 || slot > MaxNames)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange,
                           QStringLiteral("register slot %1").arg(slot));
    m_slots[static_cast<size_t>(slot)] = name;
}

void WorksheetRegister::assign(const QStringList& names) {
    if (names.size() > MaxNames)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange, QStringLiteral("register names"));
    m_count = static_cast<int>(names.size());
    for (int i = 1; i <= m_count; ++i)
        m_slots[static_cast<size_t>(i)] = names[i - 1];
}

void WorksheetRegister::removeSlot(int slot) {
    const int last = std::min(m_count, MaxNames);
    if (slot < 1 || slot > last) return;
    for (int i = slot; i < last; ++i)
        m_slots[static_cast<size_t>(i)] = m_slots[static_cast<size_t>(i + 1)];
    m_count -= 1;
}

} // namespace av
