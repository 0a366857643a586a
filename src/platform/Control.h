#pragma once

#include "Fonts.h"
#include "Twips.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace av {

// A widget placed in twips. Positions are kept exactly as set (single precision); only what is
// drawn is rounded to pixels.
template <class Base> class Control : public Base {
  public:
    explicit Control(QWidget* parent = nullptr) : Base(parent) {}

    float Left() const { return m_left; }
    float Top() const { return m_top; }
    float Width() const { return m_width; }
    float Height() const { return m_height; }

    void setLeft(float v) { setBounds(v, m_top, m_width, m_height); }
    void setTop(float v) { setBounds(m_left, v, m_width, m_height); }
    void setWidth(float v) { setBounds(m_left, m_top, v, m_height); }
    void setHeight(float v) { setBounds(m_left, m_top, m_width, v); }
    void setPosition(float left, float top) { setBounds(left, top, m_width, m_height); }

    void setBounds(float left, float top, float width, float height) {
        m_left = left;
        m_top = top;
        m_width = width;
        m_height = height;
        this->setGeometry(pixelRect(left, top, width, height));
    }

    // The widget's place in its indexed group, -1 when it is not in one.
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    void setFontSpec(const FontSpec& spec) {
        m_font = spec;
        this->setFont(fonts::toQFont(spec));
    }
    const FontSpec& fontSpec() const { return m_font; }

    void setForeColor(const QColor& color) {
        setRole(QPalette::WindowText, color);
        setRole(QPalette::Text, color);
        setRole(QPalette::ButtonText, color);
    }
    void setBackColor(const QColor& color) {
        setRole(QPalette::Window, color);
        setRole(QPalette::Button, color);
        this->setAutoFillBackground(true);
    }
    QColor foreColor() const { return this->palette().color(QPalette::WindowText); }
    QColor backColor() const { return this->palette().color(QPalette::Window); }

  private:
    void setRole(QPalette::ColorRole role, const QColor& color) {
        QPalette p = this->palette();
        p.setColor(role, color);
        this->setPalette(p);
    }

    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
    int m_index = -1;
    FontSpec m_font;
};

} // namespace av
