#include "TextBox.h"

#include "Buttons.h"
#include "Cp1252.h"
#include "FocusOrder.h"

#include <QPainter>
#include <QValidator>

namespace av {
namespace {

class CodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (!cp1252::canEncode(c) || c.unicode() < 0x20) return Invalid;
        return Acceptable;
    }
    void fixup(QString& input) const override {
        QString kept;
        for (QChar c : input)
            if (cp1252::canEncode(c) && c.unicode() >= 0x20) kept.append(c);
        input = kept;
    }
};

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

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent) {
    setValidator(new CodePageValidator(this));
    setMouseTracking(true);
    // The edge is drawn here: the style's rounded, smoothed frame took most of a frame's time
    // on the wizard's fifty boxes. The margins keep the text where the frame had it.
    setFrame(false);
    setTextMargins(EdgeWidth, EdgeWidth, EdgeWidth, EdgeWidth);
}

void TextBox::setText(const QString& text) {
    QString kept = text;
    validator()->fixup(kept);
    QLineEdit::setText(kept.left(maxLength()));
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
