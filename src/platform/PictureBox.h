#pragma once

#include "Picture.h"
#include "PointerWidget.h"
#include "Services.h"

namespace av {

// A picture at its own size. An image takes the picture's size and shows the window through
// where it has no picture; a picture box keeps its size, fills its back colour and clips.
class PictureBox : public PointerWidget {
    Q_OBJECT
  public:
    enum class Kind { Image, PictureBox };

    explicit PictureBox(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    const PicturePtr& picture() const { return m_picture; }
    void setPicture(PicturePtr picture);
    // Loads a picture file for this box at its own size, decoding no more of it than the box
    // can show (an image, the room up to its window's edges; a picture box, its own size).
    void loadPicture(PictureService& pictures, const QString& path);

    // The box an image at `at` in a window of that size decodes its picture for: the room to
    // the window's edges, so an oversized file costs no more than the window can show. What
    // lies beyond it is cut off, never scaled.
    static QSize imageRoom(QSize window, QPoint at);

    bool hasBorder() const { return m_border; }
    void setBorder(bool border);

    // An image drawn stretched to its box instead of taking the picture's size.
    void setStretch(bool stretch);

    // False from a new picture until a paint has shown it whole: a picture slow to draw is
    // drawn off the UI thread, and the box shows through until it is done.
    bool pictureShown() const { return m_shown; }

    // What assistive technology reads for the picture.
    void setDescription(const QString& text) { setAccessibleName(text); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize decodeBox() const;

    Kind m_kind;
    PicturePtr m_picture;
    bool m_border = false;
    bool m_stretch = false;
    bool m_shown = true;
};

class Image : public PictureBox {
    Q_OBJECT
  public:
    explicit Image(QWidget* parent = nullptr) : PictureBox(Kind::Image, parent) {}
};

class PicturePanel : public PictureBox {
    Q_OBJECT
  public:
    explicit PicturePanel(QWidget* parent = nullptr) : PictureBox(Kind::PictureBox, parent) {}
};

} // namespace av
