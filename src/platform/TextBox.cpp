#include "TextBox.h"

#include "Buttons.h"
#include "FocusOrder.h"
#include "TextRules.h"

#include <QPainter>
#include <QRawFont>

namespace av {
namespace {

// The classic sunken edge, two pixels deep: a shadow over a darker line above and to the
// left, light below and to the right.
void drawSunkenEdge(QPainter& painter, QRect r) {
    const auto edge = [&](QRect box, QColor topLeft, QColor bottomRight) {
        painter.fillRect(box.left(), box.top(), box.width() - 1, 1, topLeft);
        painter.fillRect(box.left(), box.top(), 1, box.height() - 1, topLeft);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, bottomRight);
        painter.fillRect(box.right(), box.top(), 1, box.height(), bottomRight);
    };
    edge(r, QColor(128, 128, 128), Qt::white);
    edge(r.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));
}

constexpr int EdgeWidth = 2;

} // namespace

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent), m_rules(new TextRules(this)) {
    setValidator(m_rules);
    connect(this, &QLineEdit::textChanged, m_rules, &TextRules::remember);
    setMouseTracking(true);
    // The edge is drawn here: the style's rounded, smoothed frame took most of a frame's time
    // on the wizard's fifty boxes. The margins keep the text where the frame had it.
    setFrame(false);
    setTextMargins(EdgeWidth, EdgeWidth, EdgeWidth, EdgeWidth);
}

void TextBox::setText(const QString& text) {
    m_rules->remember(QString());
    QLineEdit::setText(text);
    m_rules->remember(QLineEdit::text()); // also when the text was already this
}

// The line edit's own limit would cut a paste before the rules see it, keeping less than typing
// the same characters would; the rules cut instead.
void TextBox::setMaxLength(int length) {
    m_rules->setLimit(length);
    QString kept = text();
    m_rules->fixup(kept);
    if (kept != text()) setText(kept);
}

int TextBox::maxLength() const {
    return m_rules->limit();
}

void TextBox::keepPrintableIn(const QFont& face) {
    const QRawFont raw = QRawFont::fromFont(face);
    m_rules->setKeeps([raw](char32_t c) { return c == U' ' || raw.supportsCharacter(c); });
    setText(text());
}

void TextBox::refuseAlso(const QString& characters) {
    m_rules->setKeeps([characters](char32_t c) {
        return textrules::storable(c) && (c > 0xFFFF || !characters.contains(QChar(c)));
    });
    setText(text());
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    drawSunkenEdge(painter, rect());
    if (hasFocus() && keyboardInUse(*this)) drawFocusOutline(painter, rect());
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    markKeyboardInUse(*this);
    QLineEdit::keyPressEvent(event);
}

} // namespace av
