#include "Logo.h"

#include "GifWriter.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace av::pages {
namespace {

const QColor Navy(12, 48, 104);
const QColor Gold(246, 190, 40);
const QColor Sand(226, 176, 92);
constexpr double Pi = std::numbers::pi;

QPointF polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * Pi / 180;
    return centre + QPointF(std::cos(a) * radius, -std::sin(a) * radius);
}

void paintSky(QPainter& p, const QRectF& disc) {
    QLinearGradient sky(disc.topLeft(), disc.bottomLeft());
    sky.setColorAt(0, QColor(30, 80, 160));
    sky.setColorAt(0.62, QColor(250, 170, 90));
    p.setBrush(sky);
    p.setPen(Qt::NoPen);
    p.drawEllipse(disc);
}

// Twelve rays: a turn of 30 degrees brings the sun back to the same picture.
void paintSun(QPainter& p, QPointF centre, double r, double phase) {
    const double glow = 0.5 + 0.5 * std::sin(2 * Pi * phase);
    p.setBrush(QColor(255, 214, 90, int(90 + 60 * glow)));
    p.drawEllipse(centre, r * (1.35 + 0.1 * glow), r * (1.35 + 0.1 * glow));
    p.setBrush(Gold);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 30 + phase * 30;
        p.drawPolygon(QPolygonF({polar(centre, r * 1.25, a - 7), polar(centre, r * 2.05, a),
                                 polar(centre, r * 1.25, a + 7)}));
    }
    p.setBrush(QColor(255, 236, 150));
    p.drawEllipse(centre, r, r);
}

// Wind streaks drift one wavelength each loop, so the last frame leads into the first.
void paintWind(QPainter& p, const QRectF& b, double phase) {
    p.setPen(QPen(QColor(255, 255, 255, 170), b.width() * 0.022, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const double wave = b.width() * 0.25;
    for (const double row : {0.2, 0.5}) {
        QPainterPath path;
        const double y = b.top() + row * b.height();
        for (int i = 0; i <= 60; ++i) {
            const double x = b.left() + b.width() * (0.12 + 0.76 * i / 60.0);
            const double dy =
                std::sin(2 * Pi * ((x - b.left()) / wave - phase)) * b.height() * 0.018;
            i == 0 ? path.moveTo(x, y + dy) : path.lineTo(x, y + dy);
        }
        p.drawPath(path);
    }
}

void paintPyramid(QPainter& p, const QRectF& b) {
    const QPointF apex(b.center().x(), b.top() + b.height() * 0.4);
    const double base = b.top() + b.height() * 0.76;
    const QPointF left(b.left() + b.width() * 0.14, base), right(b.left() + b.width() * 0.86, base);
    const QPointF front(b.center().x() + b.width() * 0.1, base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 206, 110));
    p.drawPolygon(QPolygonF({apex, left, front}));
    p.setBrush(QColor(176, 112, 40));
    p.drawPolygon(QPolygonF({apex, front, right}));
    p.setBrush(Sand);
    p.drawRect(QRectF(b.left(), base, b.width(), b.bottom() - base));
}

} // namespace

void paintEmblem(QPainter& p, const QRectF& box, double phase) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = box.adjusted(box.width() * 0.05, box.height() * 0.05, -box.width() * 0.05,
                                     -box.height() * 0.05);
    paintSky(p, disc);
    QPainterPath clip;
    clip.addEllipse(disc);
    p.setClipPath(clip);
    paintSun(p, QPointF(disc.center().x(), disc.top() + disc.height() * 0.3), disc.width() * 0.11,
             phase);
    paintWind(p, disc, phase);
    paintPyramid(p, disc);
    p.setClipping(false);
    p.setPen(QPen(Gold, box.width() * 0.045));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
    p.setPen(QPen(Navy, box.width() * 0.02));
    p.drawEllipse(disc.adjusted(-box.width() * 0.03, -box.width() * 0.03, box.width() * 0.03,
                                box.width() * 0.03));
    p.restore();
}

QImage logoFrame(int frame) {
    QImage image(LogoFrameSize, LogoFrameSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    paintEmblem(p, QRectF(4, 4, LogoFrameSize - 8, LogoFrameSize - 8),
                double(frame) / LogoFrameCount);
    return image;
}

QImage staticLogo() {
    QImage image(StaticLogoSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintEmblem(p, QRectF(32, 2, 56, 56), 0);
    QFont name(QStringLiteral("Liberation Serif"));
    name.setPixelSize(17);
    name.setBold(true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(name);
    p.setPen(Navy);
    p.drawText(QRectF(0, 57, 120, 19), Qt::AlignCenter, QStringLiteral("Marlowind"));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPixelSize(9);
    small.setBold(true);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(small);
    p.setPen(QColor(176, 112, 40));
    p.drawText(QRectF(0, 76, 120, 12), Qt::AlignCenter, QStringLiteral("LEARNING"));
    return image;
}

std::vector<QByteArray> logoFrameGifs() {
    std::vector<QImage> frames;
    for (int i = 0; i < LogoFrameCount; ++i)
        frames.push_back(logoFrame(i));
    std::vector<QByteArray> files;
    for (const QImage& indexed : sharePalette(frames))
        files.push_back(encodeGif(indexed));
    return files;
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

} // namespace av::pages
