#include "PictureBox.h"

#include <QPainter>
#include <QPointer>

namespace av {

PictureBox::PictureBox(Kind kind, QWidget* parent) : PointerWidget(parent), m_kind(kind) {
    if (kind == Kind::PictureBox) {
        setBackColor(QColor(192, 192, 192));
        m_border = true;
    }
}

void PictureBox::setPicture(PicturePtr picture) {
    m_picture = std::move(picture);
    m_shown = !m_picture;
    if (m_kind == Kind::Image && !m_stretch) {
        const QSizeF size = m_picture ? m_picture->sizeTwips() : QSizeF(Width(), Height());
        setBounds(Left(), Top(), static_cast<float>(size.width()),
                  static_cast<float>(size.height()));
    }
    update();
}

void PictureBox::loadPicture(PictureService& pictures, const QString& path) {
    // Only a stretched image is scaled; every other picture shows at its own size, cut off
    // where its box or its window ends.
    setPicture(pictures.loadFitting(path, decodeBox(), !m_stretch));
}

QSize PictureBox::decodeBox() const {
    if (m_kind == Kind::PictureBox || m_stretch) return size();
    const QWidget* top = window();
    if (top == this) return {};
    return imageRoom(top->size(), mapTo(top, QPoint(0, 0)));
}

QSize PictureBox::imageRoom(QSize window, QPoint at) {
    const QSize room(window.width() - at.x(), window.height() - at.y());
    return room.isEmpty() ? QSize() : room;
}

void PictureBox::setBorder(bool border) {
    m_border = border;
    update();
}

void PictureBox::setStretch(bool stretch) {
    m_stretch = stretch;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int inset = m_border ? 1 : 0;
    if (m_picture) {
        painter.save();
        painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
        const QSizeF size = m_picture->sizeTwips();
        const QRectF target = m_stretch ? QRectF(rect())
                                        : QRectF(inset, inset, size.width() / TwipsPerPixel,
                                                 size.height() / TwipsPerPixel);
        // A page turned again before its drawing is done never shows the stale one: only the
        // picture the box still holds asks for a repaint.
        const std::weak_ptr<const Picture> asked = m_picture;
        m_shown = m_picture->paintOnScreen(painter, target, [box = QPointer(this), asked] {
            if (box && box->m_picture && box->m_picture == asked.lock()) box->update();
        });
        painter.restore();
    }
    if (m_border) {
        painter.setPen(QPen(QColor(64, 64, 64), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace av
