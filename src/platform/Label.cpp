#include "Label.h"

#include <QAccessible>
#include <QPainter>

namespace av {

Label::Label(QWidget* parent) : PointerWidget(parent) {}

void Label::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Label::setAlignment(Align align) {
    m_align = align;
    update();
}

void Label::setOpaque(bool opaque) {
    if (opaque == m_opaque) return;
    m_opaque = opaque;
    update();
}

void Label::setBorder(bool border) {
    m_border = border;
    update();
}

void Label::setLabelForeColor(const QColor& color) {
    m_fore = color;
    update();
}

void Label::setLabelBackColor(const QColor& color) {
    m_back = color;
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect box = rect();
    if (m_opaque) painter.fillRect(box, m_back);
    if (m_border) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        box.adjust(1, 1, -1, -1);
    }
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= m_align == Align::Left    ? Qt::AlignLeft
             : m_align == Align::Right ? Qt::AlignRight
                                       : Qt::AlignHCenter;
    painter.setFont(font());
    painter.setPen(isEnabled() ? m_fore : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(box, flags, m_caption);
}

} // namespace av
