#pragma once

#include "PackedImage.h"
#include "Picture.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace av {

class CopyDrawer;

// Pictures once drawn for the screen, kept so that a repaint, or a return to a page already
// seen, copies pixels instead of replaying every drawing record. Each picture keeps one copy.
// Only the copy on show, the one last found or kept, is kept as it is drawn; the others are
// kept packed, and a copy drawn ahead of need comes back packed, so a page turned to costs an
// unpacking, not a drawing, and a dozen pages cost less than one held whole. Once the packed
// copies pass the budget, those least recently wanted go: wanted when painted or asked for,
// not when a drawing comes back, so that pages drawn ahead never push out the one on show.
// Used from the UI thread only: copies drawn on the worker come back to it.
class DrawnCopies {
  public:
    explicit DrawnCopies(qsizetype packedBudget);
    ~DrawnCopies();

    // The copy kept for key at that size in device pixels and pixel ratio, or a null image.
    // The copy found becomes the copy on show.
    QImage find(const QString& key, QSize pixels, qreal ratio);
    // Whether such a copy is kept, without unpacking it.
    bool has(const QString& key, QSize pixels, qreal ratio);
    // Keeps a copy drawn for a window now, as the copy on show.
    void keep(const QString& key, const QImage& copy);

    // Has the worker draw picture's copy at that size (device-independent pixels) unless it is
    // on its way already; drawn runs here once the copy is kept. An urgent copy, one a window
    // waits for, goes ahead of those drawn ahead of need.
    void drawLater(const QString& key, PicturePtr picture, QSizeF size, qreal ratio, bool urgent,
                   std::function<void()> drawn = {});
    // Copies ordered from the worker and not yet kept.
    int drawing() const { return int(m_waiting.size()); }

    // For a time when no page is on show: lets go of every copy kept but those of these keys,
    // and keeps those packed where it can; copies still drawing are kept when they come back.
    void keepOnly(const QStringList& keys);

    // What the copies hold: packed, and the one on show as it is drawn.
    qsizetype bytes() const;
    qsizetype count() const { return qsizetype(m_entries.size()); }

  private:
    struct Entry {
        QString key;
        QSize pixels;
        qreal ratio = 1;
        PackedImage packed;
        QImage whole;   // the copy on show only
        quint64 wanted; // on m_clock
    };
    struct Waiting {
        quint64 wanted = 0;
        std::vector<std::function<void()>> calls;
    };
    Entry* entry(const QString& key, QSize pixels, qreal ratio);
    void keep(Entry entry);
    // Key's copy becomes the copy on show: every other copy lets go of its whole pixels.
    void show(const QString& key);
    // Key's copy back from the worker for an order: kept, and shown when a window waits for it.
    void delivered(const QString& key, const QString& order, QImage copy, PackedImage packed);
    // Whether a copy of another key went on show after clock.
    bool shownSince(const QString& key, quint64 clock) const;
    void keepWithinBudget();
    static QString orderId(const QString& key, QSizeF size, qreal ratio);

    std::vector<Entry> m_entries;
    qsizetype m_budget;
    quint64 m_clock = 0;                  // counts every want
    QHash<QString, Waiting> m_waiting;    // by order
    std::unique_ptr<CopyDrawer> m_drawer; // started on the first order
};

} // namespace av
