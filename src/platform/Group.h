#pragma once

#include "RuntimeError.h"

#include <QObject>
#include <map>

namespace av {

// Widgets that share a name, told apart by index; indices need not be contiguous.
template <class T> class Group {
  public:
    void add(int index, T* widget) { m_items[index] = widget; }
    bool contains(int index) const { return m_items.count(index) != 0; }
    int size() const { return static_cast<int>(m_items.size()); }

    T& operator[](int index) const {
        const auto it = m_items.find(index);
        if (it == m_items.end())
            throw RuntimeError(RuntimeError::SubscriptOutOfRange,
                               QStringLiteral("no widget with index %1").arg(index));
        return *it->second;
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    // Connects a signal of every member to a handler that receives the member's index.
    template <class Signal, class Handler>
    void connectEach(Signal signal, QObject* context, Handler handler) const {
        for (const auto& [index, widget] : m_items) {
            const int i = index;
            QObject::connect(widget, signal, context,
                             [handler, i](auto&&... args) { handler(i, args...); });
        }
    }

  private:
    std::map<int, T*> m_items;
};

} // namespace av
