#pragma once

#include "Control.h"
#include "FocusOrder.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace av {

// Whether the keyboard is in use in the widget's window (its focus is then shown).
bool keyboardInUse(const QWidget& widget);
void markKeyboardInUse(QWidget& widget);

// Qt's buttons placed in twips; moving over them never counts as moving over the window.
// Enter clicks them as Space does; the window's focus ring goes round the focused one.
template <class Base> class ButtonControl : public Control<Base> {
  public:
    explicit ButtonControl(QWidget* parent = nullptr) : Control<Base>(parent) {
        this->setMouseTracking(true);
    }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        Base::mouseMoveEvent(event);
        event->accept();
    }

    void keyPressEvent(QKeyEvent* event) override {
        markKeyboardInUse(*this);
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !event->isAutoRepeat()) {
            event->accept();
            this->click();
            return;
        }
        Base::keyPressEvent(event);
    }
};

class CommandButton : public ButtonControl<QPushButton> {
    Q_OBJECT
  public:
    explicit CommandButton(QWidget* parent = nullptr) : ButtonControl<QPushButton>(parent) {}
};

class CheckBox : public ButtonControl<QCheckBox> {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget* parent = nullptr) : ButtonControl<QCheckBox>(parent) {}
};

// Option buttons with the same parent form one group: choosing one clears the others. The
// arrow keys move to the next or previous option of the group in reading order and choose it,
// as a click would. An option without keyboard focus (the quiz's hidden no-choice button)
// takes no part.
class OptionButton : public ButtonControl<QRadioButton> {
    Q_OBJECT
  public:
    explicit OptionButton(QWidget* parent = nullptr) : ButtonControl<QRadioButton>(parent) {}

    // The options of this one's group the keyboard can reach, in reading order.
    QList<OptionButton*> keyboardGroup() const;

    // An option only the program chooses: Tab, the arrows, Space and Enter pass it by.
    bool keyboardReachable() const { return m_reachable; }
    void setKeyboardReachable(bool reachable) { m_reachable = reachable; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool m_reachable = true;
};

} // namespace av
