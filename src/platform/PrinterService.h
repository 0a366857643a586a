#pragma once

#include <QColor>
#include <QString>

namespace av {

class Picture;

// The default printer as a surface in twips with a text model: a current font and colour, and
// a current position that printing a text moves on. Every failure is a RuntimeError
// (PrinterError); the first drawing operation starts a document and endDoc sends it.
class PrinterService {
  public:
    virtual ~PrinterService() = default;

    virtual void setForeColor(const QColor& color) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontName(const QString& name) = 0;

    // The printable page as the printer reports it.
    virtual float width() = 0;
    virtual float height() = 0;

    // Width of a text in the current font.
    virtual float textWidth(const QString& text) = 0;

    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;

    // Draws the text with its top at the current position and moves on past it; a line end
    // moves to the left edge, one line height of the current font further down.
    virtual void print(const QString& text, bool lineEnd) = 0;

    virtual void setDrawWidth(int pixels) = 0;
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // Draws a picture at its own size with its top-left corner at (x, y).
    virtual void paintPicture(const Picture& picture, float x, float y) = 0;

    // Sends the page; the next drawing starts a new document.
    virtual void endDoc() = 0;
    // Ends a document after a failure, keeping what was sent already.
    virtual void abandonDoc() = 0;
};

// The 16-colour palette entries the printouts use.
namespace palette16 {
inline const QColor Black(0, 0, 0);       // 0
inline const QColor Blue(0, 0, 128);      // 1
inline const QColor LightBlue(0, 0, 255); // 9
inline const QColor LightRed(255, 0, 0);  // 12
} // namespace palette16

} // namespace av
