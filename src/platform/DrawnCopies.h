#pragma once

#include "Picture.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

namespace av {

class CopyDrawer;

// Pictures once drawn for the screen, kept so that a repaint, or a return to a page already
// seen, copies pixels instead of replaying every drawing record. Each picture keeps one copy;
// once the budget is spent, the copies least recently wanted go: wanted when painted or asked
// for, not when a drawing comes back, so that pages drawn ahead never push out the one on show.
// Used from the UI thread only: copies drawn on the worker come back to it.
class DrawnCopies {
  public:
    explicit DrawnCopies(qsizetype budgetBytes);
    ~DrawnCopies();

    // The copy kept for key at that size in device pixels and pixel ratio, or a null image.
    QImage find(const QString& key, QSize pixels, qreal ratio);
    // Keeps a copy wanted now.
    void keep(const QString& key, const QImage& copy) { keep(key, copy, ++m_clock); }

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
        quint64 wanted; // on m_clock
    };
    struct Waiting {
        quint64 wanted = 0;
        std::vector<std::function<void()>> calls;
    };
    void keep(const QString& key, const QImage& copy, quint64 wanted);
    static QString orderId(const QString& key, QSizeF size, qreal ratio);

    std::vector<Entry> m_entries;
    qsizetype m_budget;
    qsizetype m_bytes = 0;
    quint64 m_clock = 0;                  // counts every want
    QHash<QString, Waiting> m_waiting;    // by order
    std::unique_ptr<CopyDrawer> m_drawer; // started on the first order
};

} // namespace av
