#pragma once

#include "Fonts.h"
#include "PrinterService.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

namespace av {

// The printer service through Qt's print support: the system's default printer (CUPS on
// Linux) with no dialog, or a PDF file for checks end to end.
class QtPrinter : public PrinterService {
  public:
    // The default printer; each operation that needs it fails when there is none.
    QtPrinter();
    // Writes each document to a PDF file at the given path instead.
    explicit QtPrinter(const QString& pdfPath);
    ~QtPrinter() override;

    void setForeColor(const QColor& color) override { m_color = color; }
    void setFontSize(double points) override;
    void setFontName(const QString& name) override;
    float width() override;
    float height() override;
    float textWidth(const QString& text) override;
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

  private:
    QPrinter& printer();
    QPainter& painter();
    // Fonts are sized in twips so measuring and drawing agree on the twips surface.
    QFont currentFont() const;

    QString m_pdfPath;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    FontSpec m_font{QStringLiteral("Arial"), 12};
    QColor m_color = Qt::black;
    int m_drawWidth = 1;
    float m_x = 0;
    float m_y = 0;
};

} // namespace av
