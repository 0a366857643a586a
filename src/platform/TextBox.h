#pragma once

#include "Control.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace av {

// A single-line text box. It takes only characters the files' code page can store, so nothing
// a teacher types is lost when it is saved.
class TextBox : public Control<QLineEdit> {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent = nullptr);

    QString text() const { return QLineEdit::text(); }
    void setText(const QString& text);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        QLineEdit::mouseMoveEvent(event);
        event->accept();
    }
    // The focused box shows the focus outline once the keyboard is in use.
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace av
