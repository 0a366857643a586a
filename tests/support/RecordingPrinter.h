#pragma once

#include "platform/PrinterService.h"

#include <QColor>
#include <vector>

namespace av::test {

// One thing the printer was asked to put on paper, with the state it was drawn in.
struct PrintOp {
    enum class Kind { Text, Line, Picture, EndDoc };
    Kind kind;
    QString text; // Text
    bool lineEnd = false;
    float x = 0, y = 0;   // where a text or picture starts, or a line's first end
    float x2 = 0, y2 = 0; // a line's second end
    QString fontName;
    double fontSize = 0;
    QColor color;
    int drawWidth = 0;
};

// Keeps every operation. Text is measured as 10 twips per character per point and a line is
// 23 twips per point high, so tests can compute where everything lands.
class RecordingPrinter : public PrinterService {
  public:
    void setForeColor(const QColor& color) override { m_color = color; }
    void setFontSize(double points) override { m_size = points; }
    void setFontName(const QString& name) override { m_font = name; }
    float width() override;
    float height() override;
    float textWidth(const QString& text) override;
    float lineHeight() const { return static_cast<float>(23 * m_size); }
    float currentX() const override { return m_x; }
    float currentY() const override { return m_y; }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    void print(const QString& text, bool lineEnd) override;
    void setDrawWidth(int pixels) override { m_drawWidth = pixels; }
    void line(float x1, float y1, float x2, float y2) override;
    void paintPicture(const Picture& picture, float x, float y) override;
    void endDoc() override;
    void abandonDoc() override;

    // The texts and lines of each finished document, in order.
    std::vector<std::vector<PrintOp>> documents;
    std::vector<PrintOp> current;
    int abandoned = 0;

    float pageWidth = 11520;
    float pageHeight = 16080;
    // Fails every operation when there is no printer; or the n-th drawing operation (from 1).
    bool noPrinter = false;
    int failAtOp = 0;

  private:
    void check();
    PrintOp op(PrintOp::Kind kind) const;

    QColor m_color = Qt::black;
    double m_size = 12;
    QString m_font = QStringLiteral("Arial");
    int m_drawWidth = 1;
    float m_x = 0, m_y = 0;
    int m_ops = 0;
};

} // namespace av::test
