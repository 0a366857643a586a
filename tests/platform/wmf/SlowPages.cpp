#include "SlowPages.h"

#include "WmfWriter.h"
#include "wmf/Metafile.h"

#include <QPainter>
#include <QRect>
#include <cstdint>

namespace av::wmf::test {

QByteArray crossedPolygonPage(int polygons, int points) {
    constexpr int width = 11000;
    constexpr int height = 7500;
    WmfWriter w;
    w.window(0, 0, width, height).pen(0, 1, qRgb(0, 0, 0)).brush(0, qRgb(40, 120, 200));
    w.select(0).select(1);
    std::uint32_t seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    for (int p = 0; p < polygons; ++p) {
        QByteArray payload;
        auto put16 = [&payload](int v) {
            payload.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
        };
        put16(points);
        for (int i = 0; i < points; ++i) {
            put16(next(width));
            put16(next(height));
        }
        w.bytes(0x0324, payload); // POLYGON
    }
    return w.finish(2, QRect(0, 0, width, height), 1440);
}

QImage renderOnWhite(const QByteArray& bytes, QSize size) {
    const auto picture = Metafile::load(bytes);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!picture) return image;
    QPainter painter(&image);
    picture->draw(painter, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace av::wmf::test
