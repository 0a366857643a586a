#include "Label.h"

#include "FocusOrder.h"

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

void Label::setCommand(bool command) {
    m_command = command;
    setFocusPolicy(command ? Qt::TabFocus : Qt::NoFocus);
}

void Label::keyActivated() {
    if (m_command) click();
}

void Label::setLifted(bool lifted) {
    if (lifted == m_lifted) return;
    m_lifted = lifted;
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
    // The keyboard's focus gives the same highlight as the pointer.
    const bool focused = showsFocus();
    if (m_opaque || (focused && m_command)) painter.fillRect(box, m_back);
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
    painter.setPen(isEnabled() ? m_fore
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(box, flags, m_caption);
    if (m_lifted) {
        painter.setPen(QPen(m_fore, 4));
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
    if (focused) drawFocusOutline(painter, rect());
}

} // namespace av
