#pragma once

#include <QImage>
#include <QString>
#include <list>

namespace av {

// Pictures once drawn for the screen, kept so that a repaint, or a return to a page already
// seen, copies pixels instead of replaying every drawing record. Each picture keeps one copy;
// the least recently used copies go once the budget is spent.
class DrawnCopies {
  public:
    explicit DrawnCopies(qsizetype budgetBytes) : m_budget(budgetBytes) {}

    // The copy kept for key at that size in device pixels and pixel ratio, or a null image.
    QImage find(const QString& key, QSize pixels, qreal ratio);
    void keep(const QString& key, const QImage& copy);

    qsizetype bytes() const { return m_bytes; }
    qsizetype count() const { return qsizetype(m_entries.size()); }

  private:
    struct Entry {
        QString key;
        QImage copy;
    };
    void drop(std::list<Entry>::iterator it);

    std::list<Entry> m_entries; // most recently used first
    qsizetype m_budget;
    qsizetype m_bytes = 0;
};

} // namespace av
