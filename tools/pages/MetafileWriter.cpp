#include "MetafileWriter.h"

#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <uwmf.h>

namespace av::pages {
namespace {

constexpr quint16 TwipsPerInch = 1440;

U_COLORREF colorRef(const QColor& c) {
    return U_RGB(c.red(), c.green(), c.blue());
}
U_POINT16 point(QPoint p) {
    return {qint16(p.x()), qint16(p.y())};
}
U_POINT16 extent(QSize s) {
    return {qint16(s.width()), qint16(s.height())};
}
// Metafile rectangles are exclusive of their right and bottom edges.
U_RECT16 rect16(const QRect& r) {
    return {qint16(r.left()), qint16(r.top()), qint16(r.left() + r.width()),
            qint16(r.top() + r.height())};
}

std::vector<U_POINT16> points(const QPolygon& polygon) {
    std::vector<U_POINT16> out;
    out.reserve(std::size_t(polygon.size()));
    for (const QPoint& p : polygon)
        out.push_back(point(p));
    return out;
}

void put16(QByteArray& bytes, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    bytes.append(b, 2);
}

void put32(QByteArray& bytes, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    bytes.append(b, 4);
}

QByteArray placeableHeader(QSize size) {
    QByteArray h;
    put32(h, 0x9AC6CDD7u);
    put16(h, 0);
    for (int v : {0, 0, size.width(), size.height()})
        put16(h, quint16(v));
    put16(h, TwipsPerInch);
    put32(h, 0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= qFromLittleEndian<quint16>(h.constData() + 2 * i);
    put16(h, sum);
    return h;
}

// The device-independent bitmap of an image: bottom-up rows padded to four bytes.
struct Dib {
    PU_BITMAPINFO info = nullptr;
    QByteArray pixels;
    ~Dib() { std::free(info); }
};

void makeDib(const QImage& source, Dib& dib) {
    const bool indexed = source.format() == QImage::Format_Indexed8;
    const QImage image = indexed ? source : source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const int stride = ((indexed ? w : 3 * w) + 3) & ~3;
    dib.pixels = QByteArray(stride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const uchar* in = image.constScanLine(h - 1 - y);
        char* out = dib.pixels.data() + y * stride;
        if (indexed) {
            std::copy(in, in + w, out);
            continue;
        }
        for (int x = 0; x < w; ++x) { // DIB pixels are blue, green, red
            out[3 * x] = char(in[3 * x + 2]);
            out[3 * x + 1] = char(in[3 * x + 1]);
            out[3 * x + 2] = char(in[3 * x]);
        }
    }
    std::vector<U_RGBQUAD> colors;
    for (QRgb c : image.colorTable())
        colors.push_back(U_BGR(qRed(c), qGreen(c), qBlue(c)));
    const U_BITMAPINFOHEADER header =
        bitmapinfoheader_set(w, h, 1, indexed ? 8 : 24, U_BI_RGB, quint32(dib.pixels.size()), 3780,
                             3780, indexed ? U_NUM_RGBQUAD(colors.size()) : 0, 0);
    dib.info = bitmapinfo_set(header, colors.empty() ? nullptr : colors.data());
}

} // namespace

// libUEMF's table of object slots: it hands out the lowest free index, as players expect.
struct MetafileWriter::HandleTable {
    HandleTable() { wmf_htable_create(64, 64, &table); }
    ~HandleTable() { wmf_htable_free(&table); }
    WMFHANDLES* table = nullptr;
};

MetafileWriter::MetafileWriter(QSize twips)
    : m_size(twips), m_table(std::make_unique<HandleTable>()) {
    append(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    append(U_WMRSETWINDOWORG_set(point(QPoint(0, 0))));
    append(U_WMRSETWINDOWEXT_set(extent(twips)));
    append(U_WMRSETBKMODE_set(U_TRANSPARENT));
}

MetafileWriter::~MetafileWriter() = default;

void MetafileWriter::append(char* record) {
    if (!record) return;
    const quint32 words = qFromLittleEndian<quint32>(record);
    m_records.append(record, int(words * 2));
    m_largest = std::max(m_largest, words);
    std::free(record);
}

QByteArray MetafileWriter::finish() {
    // The objects still selected stay: a player empties its table when the file ends, and GDI
    // refuses to delete what a drawing state holds.
    append(U_WMREOF_set());
    constexpr quint16 headerWords = 9;
    QByteArray file = placeableHeader(m_size);
    put16(file, 1); // a metafile kept in memory rather than on disk
    put16(file, headerWords);
    put16(file, 0x0300);
    put32(file, headerWords + quint32(m_records.size() / 2));
    put16(file, quint16(m_table->table->peak));
    put32(file, m_largest);
    put16(file, 0);
    return file + m_records;
}

void MetafileWriter::setTextColor(const QColor& c) {
    append(U_WMRSETTEXTCOLOR_set(colorRef(c)));
}
void MetafileWriter::setBackColor(const QColor& c) {
    append(U_WMRSETBKCOLOR_set(colorRef(c)));
}
void MetafileWriter::setTransparentText(bool transparent) {
    append(U_WMRSETBKMODE_set(transparent ? U_TRANSPARENT : U_OPAQUE));
}
void MetafileWriter::setTextAlign(int align) {
    append(U_WMRSETTEXTALIGN_set(quint16(align)));
}
void MetafileWriter::setPolyFillWinding(bool winding) {
    append(U_WMRSETPOLYFILLMODE_set(winding ? U_WINDING : U_ALTERNATE));
}

void MetafileWriter::setSmoothStretch() {
    append(U_WMRSETSTRETCHBLTMODE_set(U_HALFTONE));
}

void MetafileWriter::saveDC() {
    append(U_WMRSAVEDC_set());
    m_saved.push_back(m_selected);
}

void MetafileWriter::restoreDC() {
    if (m_saved.empty()) return;
    append(U_WMRRESTOREDC_set(-1));
    const Selection inner = m_selected;
    m_selected = m_saved.back();
    m_saved.pop_back();
    // What was selected inside the saved state is deselected now and can go.
    for (int kind = 0; kind < Kinds; ++kind)
        if (inner[kind] != m_selected[kind]) release(inner[kind]);
}

void MetafileWriter::setWindowOrg(QPoint origin) {
    append(U_WMRSETWINDOWORG_set(point(origin)));
}
void MetafileWriter::intersectClip(const QRect& r) {
    append(U_WMRINTERSECTCLIPRECT_set(rect16(r)));
}

void MetafileWriter::select(Kind kind, unsigned handle) {
    append(wselectobject_set(handle, m_table->table));
    const int previous = m_selected[kind];
    m_selected[kind] = int(handle);
    if (!heldBySavedState(previous)) release(previous);
}

bool MetafileWriter::heldBySavedState(int handle) const {
    return std::any_of(m_saved.begin(), m_saved.end(), [handle](const Selection& s) {
        return std::find(s.begin(), s.end(), handle) != s.end();
    });
}

void MetafileWriter::release(int handle) {
    if (handle < 0) return;
    uint32_t h = uint32_t(handle);
    append(wdeleteobject_set(&h, m_table->table));
}

void MetafileWriter::pen(const QColor& color, int width, int style) {
    uint32_t handle = 0;
    append(wcreatepenindirect_set(&handle, m_table->table,
                                  U_PEN_set(quint16(style), quint16(width), colorRef(color))));
    select(Pen, handle);
}

void MetafileWriter::nullPen() {
    pen(Qt::black, 0, U_PS_NULL);
}

void MetafileWriter::brush(const QColor& color) {
    uint32_t handle = 0;
    append(wcreatebrushindirect_set(&handle, m_table->table,
                                    U_WLOGBRUSH_set(U_BS_SOLID, colorRef(color), 0)));
    select(Brush, handle);
}

void MetafileWriter::hatchBrush(const QColor& color, int hatch) {
    uint32_t handle = 0;
    append(wcreatebrushindirect_set(
        &handle, m_table->table, U_WLOGBRUSH_set(U_BS_HATCHED, colorRef(color), quint16(hatch))));
    select(Brush, handle);
}

void MetafileWriter::nullBrush() {
    uint32_t handle = 0;
    append(wcreatebrushindirect_set(&handle, m_table->table,
                                    U_WLOGBRUSH_set(U_BS_NULL, colorRef(Qt::black), 0)));
    select(Brush, handle);
}

void MetafileWriter::font(const WinFont& f) {
    QByteArray face = f.face.toLatin1();
    const bool serif = f.face.contains(QLatin1String("Times"));
    U_FONT* spec = U_FONT_set(qint16(-f.height), 0, qint16(f.escapement), qint16(f.escapement),
                              f.bold ? U_FW_BOLD : 400, f.italic, f.underline, 0, U_ANSI_CHARSET, 0,
                              0, U_ANTIALIASED_QUALITY,
                              U_VARIABLE_PITCH | (serif ? U_FF_ROMAN : U_FF_SWISS), face.data());
    uint32_t handle = 0;
    append(wcreatefontindirect_set(&handle, m_table->table, spec));
    std::free(spec);
    select(Font, handle);
}

void MetafileWriter::rectangle(const QRect& r) {
    append(U_WMRRECTANGLE_set(rect16(r)));
}
void MetafileWriter::roundRect(const QRect& r, int w, int h) {
    append(U_WMRROUNDRECT_set(qint16(w), qint16(h), rect16(r)));
}
void MetafileWriter::ellipse(const QRect& r) {
    append(U_WMRELLIPSE_set(rect16(r)));
}

void MetafileWriter::polygon(const QPolygon& p) {
    if (p.size() < 2) return;
    const auto pts = points(p);
    append(U_WMRPOLYGON_set(quint16(pts.size()), pts.data()));
}

void MetafileWriter::polyline(const QPolygon& p) {
    if (p.size() < 2) return;
    const auto pts = points(p);
    append(U_WMRPOLYLINE_set(quint16(pts.size()), pts.data()));
}

void MetafileWriter::polyPolygon(const std::vector<QPolygon>& polygons) {
    std::vector<quint16> counts;
    std::vector<U_POINT16> all;
    for (const QPolygon& p : polygons) {
        if (p.size() < 2) continue;
        counts.push_back(quint16(p.size()));
        const auto pts = points(p);
        all.insert(all.end(), pts.begin(), pts.end());
    }
    if (counts.empty()) return;
    append(U_WMRPOLYPOLYGON_set(quint16(counts.size()), counts.data(), all.data()));
}

void MetafileWriter::line(QPoint from, QPoint to) {
    append(U_WMRMOVETO_set(point(from)));
    append(U_WMRLINETO_set(point(to)));
}

void MetafileWriter::arc(const QRect& box, QPoint start, QPoint end) {
    append(U_WMRARC_set(point(start), point(end), rect16(box)));
}
void MetafileWriter::pie(const QRect& box, QPoint start, QPoint end) {
    append(U_WMRPIE_set(point(start), point(end), rect16(box)));
}
void MetafileWriter::chord(const QRect& box, QPoint start, QPoint end) {
    append(U_WMRCHORD_set(point(start), point(end), rect16(box)));
}

void MetafileWriter::textOut(QPoint at, const QByteArray& text) {
    QByteArray copy = text;
    append(U_WMRTEXTOUT_set(point(at), copy.data()));
}

void MetafileWriter::extTextOut(QPoint at, const QByteArray& text,
                                const QVector<qint16>& advances) {
    if (text.isEmpty()) return;
    QVector<qint16> dx = advances;
    dx.resize(text.size());
    append(U_WMREXTTEXTOUT_set(point(at), qint16(text.size()), U_ETO_NONE, text.constData(),
                               dx.data(), U_RECT16{0, 0, 0, 0}));
}

void MetafileWriter::stretchDib(const QRect& dest, const QImage& image) {
    if (image.isNull()) return;
    Dib dib;
    makeDib(image, dib);
    append(U_WMRSTRETCHDIB_set(point(dest.topLeft()), extent(dest.size()), point(QPoint(0, 0)),
                               extent(image.size()), U_DIB_RGB_COLORS, U_SRCCOPY, dib.info,
                               quint32(dib.pixels.size()), dib.pixels.constData()));
}

} // namespace av::pages
