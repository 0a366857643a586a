#include "GifWriter.h"

#include <gif_lib.h>
#include <memory>

namespace av::pages {
namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

std::vector<QImage> sharePalette(const std::vector<QImage>& images) {
    if (images.empty()) return {};
    const int w = images.front().width();
    int h = 0;
    for (const QImage& image : images)
        h += image.height();
    std::vector<GifByteType> red, green, blue, indices(std::size_t(w) * std::size_t(h));
    for (const QImage& source : images) {
        const QImage image =
            source.convertToFormat(QImage::Format_RGB32).scaled(w, source.height());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb c = image.pixel(x, y);
                red.push_back(GifByteType(qRed(c)));
                green.push_back(GifByteType(qGreen(c)));
                blue.push_back(GifByteType(qBlue(c)));
            }
    }
    int size = 256;
    GifColorType palette[256] = {};
    if (GifQuantizeBuffer(unsigned(w), unsigned(h), &size, red.data(), green.data(), blue.data(),
                          indices.data(), palette) != GIF_OK)
        return {};
    QVector<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < size; ++i)
        table[i] = qRgb(palette[i].Red, palette[i].Green, palette[i].Blue);

    std::vector<QImage> out;
    std::size_t at = 0;
    for (const QImage& source : images) {
        QImage indexed(w, source.height(), QImage::Format_Indexed8);
        indexed.setColorTable(table);
        for (int y = 0; y < indexed.height(); ++y, at += std::size_t(w))
            std::copy(indices.begin() + long(at), indices.begin() + long(at) + w,
                      indexed.scanLine(y));
        out.push_back(indexed);
    }
    return out;
}

QByteArray encodeGif(const QImage& indexed) {
    if (indexed.format() != QImage::Format_Indexed8) return {};
    QVector<QRgb> table = indexed.colorTable();
    table.resize(256);
    std::vector<GifColorType> colors;
    for (QRgb c : table)
        colors.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(256, colors.data()));

    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif) return {};
    bool ok =
        EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map.get()) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        QImage row = indexed.copy(0, y, indexed.width(), 1); // giflib wants a writable line
        ok = EGifPutLine(gif, row.scanLine(0), indexed.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    return ok ? bytes : QByteArray();
}

} // namespace av::pages
