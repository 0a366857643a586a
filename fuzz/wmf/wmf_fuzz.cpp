// Loads and plays arbitrary bytes as a metafile onto a raster image of a screen page's size, so
// an input that is slow to draw where the program draws it shows as a timeout (run.sh sets
// -timeout).
#include "wmf/Metafile.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(*argc, *argv));
    // Fonts are found once, before the clock of the first input starts.
    QFontDatabase::families();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const auto picture = av::wmf::Metafile::load(bytes);
    if (!picture) return 0;
    QImage image(733, 500, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->draw(painter, QRectF(0, 0, 733, 500));
    return 0;
}
