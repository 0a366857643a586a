#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QRectF;

namespace av {

// The words a picture shows, for those who cannot see it: its title (the words in the largest
// type) and all of it in reading order, a line of the picture to a line of text.
struct PictureText {
    QString title;
    QString text;
};

// A loaded picture: a raster image or a vector metafile, drawn at its own size.
class Picture {
  public:
    virtual ~Picture() = default;
    // Natural size in twips.
    virtual QSizeF sizeTwips() const = 0;
    // Draws the picture scaled into target (in the painter's coordinates).
    virtual void draw(QPainter& painter, const QRectF& target) const = 0;
    // False when part of the file could not be read, so what is drawn is not the whole picture.
    virtual bool isWhole() const { return true; }
    // The same, for a window on the screen, where a picture may repaint from a drawn copy.
    virtual void drawOnScreen(QPainter& painter, const QRectF& target) const {
        draw(painter, target);
    }
    // The same for a window's paint, which must not wait: a picture that is slow to draw is
    // drawn off this thread instead, paints nothing yet, and calls drawn (on this thread) once
    // a repaint would show it whole. False when nothing was painted.
    virtual bool paintOnScreen(QPainter& painter, const QRectF& target,
                               std::function<void()> drawn) const {
        Q_UNUSED(drawn);
        drawOnScreen(painter, target);
        return true;
    }
    // Has drawOnScreen readied at that size in pixels and pixel ratio, off this thread, ahead
    // of the paint that needs it; nothing for a picture that is cheap to draw.
    virtual void prepareOnScreen(const QSizeF& /*size*/, qreal /*ratio*/) const {}
    // Nothing for a picture whose words are only pixels.
    virtual PictureText text() const { return {}; }
};

using PicturePtr = std::shared_ptr<const Picture>;

// A raster picture, or the top-left part of one that was decoded only as far as it is shown:
// it keeps the whole picture's size and draws the part it holds in its place.
class RasterPicture : public Picture {
  public:
    explicit RasterPicture(QImage image, QSize natural = QSize());
    QSizeF sizeTwips() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    const QImage& image() const { return m_image; }
    // The whole picture's size in pixels; larger than image() when only a part was decoded.
    QSize naturalSize() const { return m_natural; }

  private:
    QImage m_image;
    QSize m_natural;
};

} // namespace av
