#pragma once

#include "PointerWidget.h"

namespace av {

// A text label: caption, colours, font, alignment, opaque or transparent background, optional
// single-line border. Text wraps at word boundaries within its width.
class Label : public PointerWidget {
    Q_OBJECT
  public:
    enum class Align { Left, Right, Center };

    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    void setAlignment(Align align);
    Align alignment() const { return m_align; }

    bool isOpaque() const { return m_opaque; }
    void setOpaque(bool opaque);

    bool hasBorder() const { return m_border; }
    void setBorder(bool border);

    void setLabelForeColor(const QColor& color);
    void setLabelBackColor(const QColor& color);
    QColor labelForeColor() const { return m_fore; }
    QColor labelBackColor() const { return m_back; }

    // A label that carries a command is shown to assistive technology as a button, takes
    // the Tab key, and clicks on Enter or Space.
    bool isCommand() const { return m_command; }
    void setCommand(bool command);

    // The font the caption is drawn in: the label's own, or, for a caption the box cannot
    // hold in it, the largest size of the same face that it can.
    QFont drawnFont() const;

    // A label picked up to be put down elsewhere is drawn with a heavy border.
    bool isLifted() const { return m_lifted; }
    void setLifted(bool lifted);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyActivated() override;

  private:
    QRect textBox() const;
    int textFlags() const;

    QString m_caption;
    Align m_align = Align::Left;
    bool m_opaque = true;
    bool m_border = false;
    bool m_command = false;
    bool m_lifted = false;
    QColor m_fore = Qt::black;
    QColor m_back = QColor(192, 192, 192);
    // The last font fitted, and what it was fitted for.
    mutable QFont m_fitted;
    mutable QString m_fittedFor;
};

} // namespace av
