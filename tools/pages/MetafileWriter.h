#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QVector>
#include <array>
#include <memory>
#include <vector>

namespace av::pages {

// A Windows font as a metafile names it: face, em height in logical units, weight, style.
struct WinFont {
    QString face;
    int height = 240;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int escapement = 0; // tenths of a degree, anticlockwise

    bool operator==(const WinFont&) const = default;
};

// Writes a placeable Windows metafile whose logical unit is the twip. Records are built by
// libUEMF; this class keeps the object table tidy: selecting a pen, brush or font deletes the
// one it replaces unless a saved drawing state still refers to it.
class MetafileWriter {
  public:
    explicit MetafileWriter(QSize twips);
    ~MetafileWriter();
    MetafileWriter(const MetafileWriter&) = delete;
    MetafileWriter& operator=(const MetafileWriter&) = delete;

    QSize size() const { return m_size; }
    // The finished file: placeable header, metafile header, the records and the end record.
    QByteArray finish();

    void setTextColor(const QColor& color);
    void setBackColor(const QColor& color);
    void setTransparentText(bool transparent);
    void setTextAlign(int align);
    void setPolyFillWinding(bool winding);
    // Stretched bitmaps are averaged rather than sampled.
    void setSmoothStretch();
    void saveDC();
    void restoreDC();
    void setWindowOrg(QPoint origin);
    void intersectClip(const QRect& rect);

    void pen(const QColor& color, int width = 0, int style = 0);
    void nullPen();
    void brush(const QColor& color);
    void hatchBrush(const QColor& color, int hatch);
    void nullBrush();
    void font(const WinFont& font);

    void rectangle(const QRect& rect);
    void roundRect(const QRect& rect, int cornerWidth, int cornerHeight);
    void ellipse(const QRect& rect);
    void polygon(const QPolygon& points);
    void polyline(const QPolygon& points);
    void polyPolygon(const std::vector<QPolygon>& polygons);
    void line(QPoint from, QPoint to);
    void arc(const QRect& box, QPoint start, QPoint end);
    void pie(const QRect& box, QPoint start, QPoint end);
    void chord(const QRect& box, QPoint start, QPoint end);

    // Text in the page's code page. With advances each character is placed exactly there.
    void textOut(QPoint at, const QByteArray& text);
    void extTextOut(QPoint at, const QByteArray& text, const QVector<qint16>& advances);
    // A bitmap stretched into the rectangle: 8-bit images keep their colour table, others are
    // written as 24-bit.
    void stretchDib(const QRect& dest, const QImage& image);

  private:
    enum Kind { Pen, Brush, Font, Kinds };
    using Selection = std::array<int, Kinds>;

    void append(char* record);
    void select(Kind kind, unsigned handle);
    void release(int handle);
    bool heldBySavedState(int handle) const;

    QSize m_size;
    QByteArray m_records;
    struct HandleTable;
    std::unique_ptr<HandleTable> m_table;
    quint32 m_largest = 0;
    Selection m_selected{-1, -1, -1};
    std::vector<Selection> m_saved;
};

} // namespace av::pages
