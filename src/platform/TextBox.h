#pragma once

#include "Control.h"

#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>

namespace av {

class TextRules;

// A single-line text box. By default it takes only characters the files' code page can store,
// so nothing a teacher types is lost when it is saved. Every way text comes in (keys, paste,
// input methods, accessibility tools) meets the same rules (TextRules).
class TextBox : public Control<QLineEdit> {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const { return QLineEdit::text(); }
    // Set as if typed into an empty box.
    void setText(const QString& text);
    void setMaxLength(int length);
    int maxLength() const;
    // For text that is only shown or printed, never saved: the box keeps every character the
    // face has a glyph for, instead of those the code page stores.
    void keepPrintableIn(const QFont& face);
    // For text saved where these characters stand for something else (a question file's "&"
    // is a comma): the box refuses them as well, so what is saved reads back as typed.
    void refuseAlso(const QString& characters);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        QLineEdit::mouseMoveEvent(event);
        event->accept();
    }
    // The focused box shows the focus outline once the keyboard is in use.
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    TextRules* m_rules;
};

} // namespace av
