#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QVector>
#include <optional>
#include <variant>

namespace av::wmf {

// Graphics objects as the records create them, kept in logical terms.
struct PenSpec {
    int style = 0; // PS_SOLID, with cap and join bits
    int width = 0; // logical units; 0 draws one device pixel wide
    QColor color = Qt::black;
};

struct BrushSpec {
    enum Kind { Solid, Null, Hatched, Pattern };
    Kind kind = Solid;
    QColor color = Qt::white;
    int hatch = 0;
    QImage pattern; // pattern brushes
};

struct FontSpec {
    int height = 0; // <0 character height, >0 cell height, logical units
    int width = 0;
    int escapement = 0; // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charset = 0;
    QString face;
};

struct PaletteSpec {
    QVector<QRgb> entries;
};

struct RegionSpec {
    QPainterPath path; // logical units
};

// Objects we keep a slot for but never draw with (bitmaps created by the old records).
struct OtherObject {};

// An empty slot is std::monostate.
using GdiObject = std::variant<std::monostate, PenSpec, BrushSpec, FontSpec, PaletteSpec,
                               RegionSpec, OtherObject>;

// The playback device context: what SAVEDC saves and RESTOREDC brings back.
struct DcState {
    int mapMode = 1; // MM_TEXT
    QPointF windowOrg;
    QPointF windowExt{1, 1};
    QPointF viewportOrg;
    QPointF viewportExt{1, 1};

    PenSpec pen;
    BrushSpec brush;
    FontSpec font;
    PaletteSpec palette;

    QColor textColor = Qt::black;
    QColor backColor = Qt::white;
    int backMode = 2;     // OPAQUE
    int polyFillMode = 1; // ALTERNATE
    int rop2 = 13;        // R2_COPYPEN
    int stretchMode = 1;
    int textAlign = 0;
    int charExtra = 0;
    QPointF position;                 // current position, logical units
    std::optional<QPainterPath> clip; // device units
};

} // namespace av::wmf
