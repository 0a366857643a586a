#include "Label.h"

#include <QAccessible>
#include <QFontMetrics>
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

QRect Label::textBox() const {
    return m_border ? rect().adjusted(1, 1, -1, -1) : rect();
}

int Label::textFlags() const {
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= m_align == Align::Left    ? Qt::AlignLeft
             : m_align == Align::Right ? Qt::AlignRight
                                       : Qt::AlignHCenter;
    return flags;
}

QFont Label::drawnFont() const {
    const QRect box = textBox();
    const QFont own = font();
    const QString key = m_caption + QLatin1Char('\n') + own.key() + QLatin1Char('\n') +
                        QString::number(box.width()) + QLatin1Char('x') +
                        QString::number(box.height());
    if (key == m_fittedFor) return m_fitted;
    const auto fits = [&](const QFont& f) {
        const QRect needed = QFontMetrics(f, this).boundingRect(box, textFlags(), m_caption);
        return needed.width() <= box.width() && needed.height() <= box.height();
    };
    QFont fitted = own;
    if (!m_caption.isEmpty() && !box.isEmpty() && own.pixelSize() > 0) {
        for (int pixels = own.pixelSize(); pixels > 1 && !fits(fitted); --pixels)
            fitted.setPixelSize(pixels - 1);
    }
    m_fitted = fitted;
    m_fittedFor = key;
    return fitted;
}

void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect whole = rect();
    // The keyboard's focus gives the same highlight as the pointer.
    const bool focused = showsFocus();
    if (m_opaque || (focused && m_command)) painter.fillRect(whole, m_back);
    if (m_border) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(whole.adjusted(0, 0, -1, -1));
    }
    painter.setFont(drawnFont());
    painter.setPen(isEnabled() ? m_fore
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textBox(), textFlags(), m_caption);
    if (m_lifted) {
        painter.setPen(QPen(m_fore, 4));
        painter.drawRect(QRectF(whole).adjusted(2, 2, -2, -2));
    }
}

} // namespace av
