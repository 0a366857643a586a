#pragma once

#include "PackedImage.h"
#include "Picture.h"

#include <QObject>
#include <QPainter>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace av {

// Draws the screen copies of pictures that are slow to draw on a worker thread of its own, so
// that the windows keep answering while a page is drawn. Only image painting happens there; a
// finished copy is handed back on the thread that made the drawer.
class CopyDrawer : public QObject {
    Q_OBJECT
  public:
    struct Order {
        QString key; // the picture's file, as the drawn copies know it
        PicturePtr picture;
        QSizeF size; // device-independent pixels
        qreal ratio = 1;
        bool pack = false; // handed back packed, for keeping, not for a paint now
    };
    // The copy comes back as drawn, or packed when the order asked for that.
    using Delivery =
        std::function<void(const Order& order, const QImage& copy, const PackedImage& packed)>;

    explicit CopyDrawer(Delivery deliver);
    // Waits for the copy under way, if any; copies still queued are never drawn.
    ~CopyDrawer() override;

    // Queues a copy unless the same one is queued or under way; an urgent one goes ahead of
    // those queued.
    void order(Order order, bool urgent);
    // Copies queued or under way, not yet handed back.
    int outstanding() const;

    // A picture drawn as a screen copy, on whichever thread: both ways give the same pixels.
    // No hints means a fresh painter's.
    static QImage draw(const Picture& picture, QSizeF size, qreal ratio,
                       std::optional<QPainter::RenderHints> hints = std::nullopt);

  private:
    static bool same(const Order& a, const Order& b);
    void run();
    void handBack(const Order& order, const QImage& copy, const PackedImage& packed);

    Delivery m_deliver;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Order> m_queue;
    std::optional<Order> m_current;
    int m_inTransit = 0; // drawn, on the way back to this thread
    bool m_stopping = false;
    std::thread m_thread;
};

} // namespace av
