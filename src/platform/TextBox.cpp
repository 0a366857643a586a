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

} // namespace

TextBox::TextBox(QWidget* parent) : Control<QLineEdit>(parent) {
    setValidator(new CodePageValidator(this));
    setMouseTracking(true);
}

void TextBox::setText(const QString& text) {
    QString kept = text;
    validator()->fixup(kept);
    QLineEdit::setText(kept.left(maxLength()));
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus() || !keyboardInUse(*this)) return;
    QPainter painter(this);
    drawFocusOutline(painter, rect());
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    markKeyboardInUse(*this);
    QLineEdit::keyPressEvent(event);
}

} // namespace av
