#include "Icon.h"

#include "Pictures.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

namespace av::icon {

void paintIcon(QPainter& p, double size) {
    // A margin of 1/16 all round, as desktop icon grids expect, and softened corners.
    const double margin = size / 16;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath outline;
    outline.addRoundedRect(tile, size / 8, size / 8);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(outline);
    p.translate(tile.topLeft());
    datatree::paintPyramidsIcon(p, tile.size());
    p.restore();
}

namespace {

bool writeSvg(const QString& path, int size) {
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Ancient Velmora"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    paintIcon(p, size);
    return p.end();
}

bool writePng(const QString& path, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, size);
    p.end();
    return image.save(path, "PNG");
}

} // namespace

QStringList writeIcons(const QString& root, const QString& id, const QList<int>& sizes) {
    QStringList problems;
    const QDir dir(root);
    const QString scalable = QStringLiteral("hicolor/scalable/apps");
    if (!dir.mkpath(scalable) ||
        !writeSvg(dir.filePath(scalable + QLatin1Char('/') + id + QStringLiteral(".svg")), 256))
        problems << QStringLiteral("cannot write the scalable icon");
    for (int size : sizes) {
        const QString sub = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!dir.mkpath(sub) ||
            !writePng(dir.filePath(sub + QLatin1Char('/') + id + QStringLiteral(".png")), size))
            problems << QStringLiteral("cannot write the %1 px icon").arg(size);
    }
    return problems;
}

} // namespace av::icon
