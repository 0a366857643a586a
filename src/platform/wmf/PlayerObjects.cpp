#include "wmf/Dib.h"
#include "wmf/Player.h"
#include "wmf/TextDecoder.h"

#include <QByteArray>
#include <cstring>
#include <uwmf.h>

namespace av::wmf {

namespace {

constexpr std::size_t kMaxObjects = 0xFFFF;
constexpr int kMaxRegionRects = 500;

PenSpec readPen(const Record& r) {
    U_PEN pen{};
    U_WMRCREATEPENINDIRECT_get(r.data, &pen);
    PenSpec spec;
    spec.style = pen.Style;
    spec.width = static_cast<std::int16_t>(pen.Widthw[0]);
    spec.color = QColor(pen.Color.Red, pen.Color.Green, pen.Color.Blue);
    return spec;
}

BrushSpec readBrush(const Record& r) {
    const char* data = nullptr;
    U_WMRCREATEBRUSHINDIRECT_get(r.data, &data);
    U_WLOGBRUSH brush{};
    std::memcpy(&brush, data, U_SIZE_WLOGBRUSH);
    BrushSpec spec;
    spec.color = QColor(brush.Color.Red, brush.Color.Green, brush.Color.Blue);
    spec.hatch = brush.Hatch;
    if (brush.Style == U_BS_NULL) spec.kind = BrushSpec::Null;
    if (brush.Style == U_BS_HATCHED) spec.kind = BrushSpec::Hatched;
    return spec;
}

FontSpec readFont(const Record& r) {
    const char* data = nullptr;
    U_WMRCREATEFONTINDIRECT_get(r.data, &data);
    U_FONT font{};
    std::memcpy(&font, data, U_SIZE_FONT_CORE);
    FontSpec spec;
    spec.height = font.Height;
    spec.width = font.Width;
    spec.escapement = font.Escapement;
    spec.weight = font.Weight;
    spec.italic = font.Italic != 0;
    spec.underline = font.Underline != 0;
    spec.strikeOut = font.StrikeOut != 0;
    spec.charset = font.CharSet;
    const char* face = data + U_SIZE_FONT_CORE;
    const int room = static_cast<int>(std::min<std::ptrdiff_t>(32, r.end() - face));
    int length = 0;
    while (length < room && face[length] != 0)
        ++length;
    // Face names are written in the font's own code page (e.g. GBK for SimSun).
    spec.face = decodeText(face, length, spec.charset == 2 ? 0 : spec.charset, false).text;
    return spec;
}

PaletteSpec readPalette(const Record& r) {
    U_PALETTE palette{};
    const char* entries = nullptr;
    PaletteSpec spec;
    if (!U_WMRCREATEPALETTE_get(r.data, &palette, &entries)) return spec;
    const std::ptrdiff_t room = (r.end() - entries) / 4;
    const int count = static_cast<int>(std::min<std::ptrdiff_t>(palette.NumEntries, room));
    for (int i = 0; i < count; ++i) {
        const auto* e = reinterpret_cast<const unsigned char*>(entries + 4 * i);
        spec.entries.append(qRgb(e[0], e[1], e[2]));
    }
    return spec;
}

} // namespace

QPainterPath Player::regionPath(const Record& r) const {
    QPainterPath path;
    const char* data = nullptr;
    if (!r.holds(U_SIZE_WMRCREATEREGION_CORE) || !U_WMRCREATEREGION_get(r.data, &data)) return path;
    Record region{data, static_cast<std::size_t>(r.end() - data), 0};
    const int scans = region.i16(8);
    std::size_t at = 20; // after the region header and its bounding box
    int rects = 0;
    for (int s = 0; s < scans && region.holds(at + 6); ++s) {
        const int count = region.u16(at);
        const int top = region.i16(at + 2);
        const int bottom = region.i16(at + 4);
        for (int i = 0; i + 1 < count && region.holds(at + 6 + 2 * (i + 2)); i += 2) {
            const int left = region.i16(at + 6 + 2 * i);
            const int right = region.i16(at + 8 + 2 * i);
            if (++rects > kMaxRegionRects) return path;
            path.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
        }
        at += 8 + 2 * static_cast<std::size_t>(count);
    }
    // Winding fill unites the bands; simplifying them is slow on damaged regions.
    path.setFillRule(Qt::WindingFill);
    return path;
}

bool Player::objects(const Record& r) {
    switch (r.type) {
    case U_WMR_CREATEPENINDIRECT:
        addObject(r.holds(U_SIZE_WMRCREATEPENINDIRECT) ? GdiObject(readPen(r)) : OtherObject());
        return true;
    case U_WMR_CREATEBRUSHINDIRECT:
        addObject(r.holds(U_SIZE_WMRCREATEBRUSHINDIRECT) ? GdiObject(readBrush(r)) : OtherObject());
        return true;
    case U_WMR_CREATEFONTINDIRECT:
        addObject(r.holds(U_SIZE_WMRCREATEFONTINDIRECT) ? GdiObject(readFont(r)) : OtherObject());
        return true;
    case U_WMR_CREATEPALETTE:
        addObject(r.holds(U_SIZE_WMRCREATEPALETTE) ? GdiObject(readPalette(r)) : OtherObject());
        return true;
    case U_WMR_CREATEREGION:
        addObject(RegionSpec{regionPath(r)});
        return true;
    case U_WMR_CREATEPATTERNBRUSH: {
        // A Bitmap16 header, 18 unused bytes, then the bits.
        BrushSpec spec;
        if (r.holds(6 + 32)) {
            QByteArray bitmap(r.data + 6, 10);
            bitmap.append(r.data + 6 + 32, static_cast<int>(r.size - 38));
            spec.pattern = decodeBitmap16(bitmap.constData(), bitmap.constData() + bitmap.size());
            spec.kind = spec.pattern.isNull() ? BrushSpec::Solid : BrushSpec::Pattern;
            spec.color = Qt::black;
        }
        addObject(spec);
        return true;
    }
    case U_WMR_DIBCREATEPATTERNBRUSH: {
        BrushSpec spec;
        uint16_t style = 0, usage = 0;
        const char* bitmap16 = nullptr;
        const char* dib = nullptr;
        if (r.holds(U_SIZE_WMRDIBCREATEPATTERNBRUSH + 4) &&
            U_WMRDIBCREATEPATTERNBRUSH_get(r.data, &style, &usage, &bitmap16, &dib)) {
            // Writers also put DIBs behind BS_PATTERN; a DIB starts with its header size.
            const char* bits = dib ? dib : bitmap16;
            if (!bits) bits = r.end();
            const bool isDib = r.end() - bits >= 4 && Record{bits, 4, 0}.u16(0) >= 12 &&
                               Record{bits, 4, 0}.u16(2) == 0;
            spec.pattern =
                style == U_BS_PATTERN && !isDib
                    ? decodeBitmap16(bits, r.end())
                    : decodeDib(bits, r.end(), usage == 1 ? &m_dc.palette.entries : nullptr);
            spec.kind = spec.pattern.isNull() ? BrushSpec::Solid : BrushSpec::Pattern;
            spec.color = Qt::black;
        }
        addObject(spec);
        return true;
    }
    case U_WMR_CREATEBITMAPINDIRECT:
    case U_WMR_CREATEBITMAP:
        addObject(OtherObject());
        return true;
    case U_WMR_SELECTOBJECT:
    case U_WMR_SELECTPALETTE:
        selectObject(r.u16(6));
        return true;
    case U_WMR_DELETEOBJECT:
        if (r.holds(U_SIZE_WMRDELETEOBJECT) && r.u16(6) < m_objects.size())
            m_objects[r.u16(6)] = std::monostate();
        return true;
    case U_WMR_REALIZEPALETTE:
    case U_WMR_RESIZEPALETTE:
    case U_WMR_ANIMATEPALETTE:
    case U_WMR_SETPALENTRIES:
    case U_WMR_ESCAPE:
    case U_WMR_SETRELABS:
    case U_WMR_SETMAPPERFLAGS:
    case U_WMR_SETTEXTJUSTIFICATION:
    case U_WMR_FLOODFILL:
    case U_WMR_EXTFLOODFILL:
        return true; // nothing a vector picture can do with these
    default:
        return false;
    }
}

void Player::addObject(GdiObject object) {
    for (auto& slot : m_objects) {
        if (std::holds_alternative<std::monostate>(slot)) {
            slot = std::move(object);
            return;
        }
    }
    // Some writers undercount their objects; Windows would fail the creation, but
    // keeping the object draws what they meant.
    if (m_objects.size() < kMaxObjects) m_objects.push_back(std::move(object));
}

const GdiObject* Player::object(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= m_objects.size()) return nullptr;
    return &m_objects[static_cast<std::size_t>(index)];
}

void Player::selectObject(int index) {
    const GdiObject* o = object(index);
    if (!o) return;
    if (const auto* pen = std::get_if<PenSpec>(o)) m_dc.pen = *pen;
    if (const auto* brush = std::get_if<BrushSpec>(o)) m_dc.brush = *brush;
    if (const auto* font = std::get_if<FontSpec>(o)) m_dc.font = *font;
    if (const auto* palette = std::get_if<PaletteSpec>(o)) m_dc.palette = *palette;
    if (const auto* region = std::get_if<RegionSpec>(o))
        setClip(logicalToDevice().map(region->path));
}

QPen Player::pen() const {
    const int style = m_dc.pen.style & U_PS_STYLE_MASK;
    if (style == U_PS_NULL) return Qt::NoPen;
    double width = m_dc.pen.width * scaleX();
    // Zero-width and sub-pixel pens draw one pixel wide, as on a Windows screen.
    if (m_dc.pen.width <= 0 || width * m_pixelsPerDevice < 1) width = 0;
    QPen pen(m_dc.pen.color, width);
    switch (style) {
    case U_PS_DASH:
        pen.setStyle(Qt::DashLine);
        break;
    case U_PS_DOT:
    case U_PS_ALTERNATE:
        pen.setStyle(Qt::DotLine);
        break;
    case U_PS_DASHDOT:
        pen.setStyle(Qt::DashDotLine);
        break;
    case U_PS_DASHDOTDOT:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    switch (m_dc.pen.style & U_PS_ENDCAP_MASK) {
    case U_PS_ENDCAP_SQUARE:
        pen.setCapStyle(Qt::SquareCap);
        break;
    case U_PS_ENDCAP_FLAT:
        pen.setCapStyle(Qt::FlatCap);
        break;
    default:
        pen.setCapStyle(Qt::RoundCap);
    }
    switch (m_dc.pen.style & U_PS_JOIN_MASK) {
    case U_PS_JOIN_BEVEL:
        pen.setJoinStyle(Qt::BevelJoin);
        break;
    case U_PS_JOIN_MITER:
        pen.setJoinStyle(Qt::MiterJoin);
        break;
    default:
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QBrush Player::brush(const BrushSpec& spec) const {
    switch (spec.kind) {
    case BrushSpec::Null:
        return Qt::NoBrush;
    case BrushSpec::Hatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        const Qt::BrushStyle hatch =
            spec.hatch >= 0 && spec.hatch < 6 ? hatches[spec.hatch] : Qt::SolidPattern;
        return QBrush(spec.color, hatch);
    }
    case BrushSpec::Pattern: {
        // Pattern pixels are screen pixels in Windows: keep them 1/96 inch.
        QBrush brush(spec.pattern);
        const double scale = 15.0 / m_frame.twipsPerDevice;
        brush.setTransform(QTransform::fromScale(scale, scale));
        return brush;
    }
    default:
        return QBrush(spec.color);
    }
}

} // namespace av::wmf
