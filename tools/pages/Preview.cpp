#include "PageLayout.h"

#include "wmf/Metafile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

// Draws every page the way the viewer shows it, for a person to look at:
//   velmora-pages-preview <program folder> <output folder>
namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The viewer's client area with its link row, the page at (120, 0) and, for the
// acknowledgments, the logo boxes.
QImage viewerShot(const av::Picture& page, const QString& root, bool logo) {
    QImage shot(792, 574, QImage::Format_RGB32);
    shot.fill(logo ? QColor(49, 130, 212) : QColor(0, 78, 152));
    QPainter p(&shot);
    p.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = page.sizeTwips() / 15.0;
    page.draw(p, QRectF(QPointF(8, 0), size));
    p.setPen(Qt::yellow);
    const QRect links[] = {
        {712, 8, 75, 33}, {712, 528, 75, 33}, {448, 528, 179, 33}, {88, 528, 179, 33}};
    for (const QRect& r : links)
        p.fillRect(r, Qt::black);
    p.drawText(QRect(280, 528, 153, 33), Qt::AlignCenter, QStringLiteral("Page 1 of 3"));
    if (logo) {
        p.drawImage(QRectF(584, 256, 120, 120),
                    QImage(root + QStringLiteral("/logo/marl0007.gif")));
        p.drawImage(QRectF(586, 384, 120, 89),
                    QImage(root + QStringLiteral("/logo/marlowind2.bmp")));
    }
    return shot;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    for (const av::pages::PageSpec& spec : av::pages::pageCatalogue()) {
        for (const QString& folder : {QStringLiteral("wmf"), QStringLiteral("wmf2")}) {
            const auto page =
                av::wmf::decodePicture(readAll(root + QLatin1Char('/') + folder + QLatin1Char('/') +
                                               spec.stem + QStringLiteral(".wmf")));
            if (!page) {
                std::fprintf(stderr, "cannot decode %s/%s\n", qPrintable(folder),
                             qPrintable(spec.stem));
                continue;
            }
            const QString name = out + QLatin1Char('/') + folder + QLatin1Char('-') + spec.stem;
            if (folder == QLatin1String("wmf")) {
                viewerShot(*page, root, spec.stem == QLatin1String("acknowledgments"))
                    .save(name + QStringLiteral(".png"));
                continue;
            }
            const QSizeF px = page->sizeTwips() / 15.0;
            QImage paper(px.toSize(), QImage::Format_RGB32);
            paper.fill(Qt::white);
            QPainter p(&paper);
            p.setRenderHint(QPainter::Antialiasing);
            page->draw(p, QRectF(QPointF(0, 0), px));
            p.end();
            paper.save(name + QStringLiteral(".png"));
        }
    }
    // The logo's twenty frames side by side, to check the loop by eye.
    QImage strip(10 * 124, 2 * 124, QImage::Format_RGB32);
    strip.fill(Qt::gray);
    QPainter p(&strip);
    for (int i = 0; i < 20; ++i)
        p.drawImage(
            QPointF((i % 10) * 124 + 2, (i / 10) * 124 + 2),
            QImage(root + QStringLiteral("/logo/marl%1.gif").arg(i, 4, 10, QLatin1Char('0'))));
    p.end();
    strip.save(out + QStringLiteral("/logo-frames.png"));
    return 0;
}
