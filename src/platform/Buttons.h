#pragma once

#include "Control.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace av {

// Qt's buttons placed in twips; moving over them never counts as moving over the window.
template <class Base>
class ButtonControl : public Control<Base> {
public:
    explicit ButtonControl(QWidget* parent = nullptr) : Control<Base>(parent) {
        this->setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override {
        Base::mouseMoveEvent(event);
        event->accept();
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

// Option buttons with the same parent form one group: choosing one clears the others.
class OptionButton : public ButtonControl<QRadioButton> {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr) : ButtonControl<QRadioButton>(parent) {}
};

} // namespace av
