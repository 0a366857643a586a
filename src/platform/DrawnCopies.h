#pragma once

#include "Picture.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <functional>
#include <list>
#include <memory>
#include <vector>

namespace av {

class CopyDrawer;

// Pictures once drawn for the screen, kept so that a repaint, or a return to a page already
// seen, copies pixels instead of replaying every drawing record. Each picture keeps one copy;
// the least recently used copies go once the budget is spent. Used from the UI thread only:
// copies drawn on the worker come back to it.
class DrawnCopies {
  public:
    explicit DrawnCopies(qsizetype budgetBytes);
    ~DrawnCopies();

    // The copy kept for key at that size in device pixels and pixel ratio, or a null image.
    QImage find(const QString& key, QSize pixels, qreal ratio);
    void keep(const QString& key, const QImage& copy);

    // Has the worker draw picture's copy at that size (device-independent pixels) unless it is
    // on its way already; drawn runs here once the copy is kept. An urgent copy, one a window
    // waits for, goes ahead of those drawn ahead of need.
    void drawLater(const QString& key, PicturePtr picture, QSizeF size, qreal ratio, bool urgent,
                   std::function<void()> drawn = {});
    // Copies ordered from the worker and not yet kept.
    int drawing() const { return int(m_waiting.size()); }

    qsizetype bytes() const { return m_bytes; }
    qsizetype count() const { return qsizetype(m_entries.size()); }

  private:
    struct Entry {
        QString key;
        QImage copy;
    };
    void drop(std::list<Entry>::iterator it);
    static QString orderId(const QString& key, QSizeF size, qreal ratio);

    std::list<Entry> m_entries; // most recently used first
    qsizetype m_budget;
    qsizetype m_bytes = 0;
    QHash<QString, std::vector<std::function<void()>>> m_waiting; // by order
    std::unique_ptr<CopyDrawer> m_drawer;                         // started on the first order
};

} // namespace av
