#include "wmf/Player.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <uwmf.h>

namespace av::wmf {

namespace {

constexpr std::size_t kMaxSavedStates = 1024;
constexpr int kMaxClipElements = 4000; // keeps damaged files from making clipping quadratic
// Raster work per page, in outline pixels, and the outline above which antialiasing is dropped.
// A screen page of ordinary drawings spends well under a tenth of the budget.
constexpr double kWorkBudget = 12e6;
constexpr double kSmoothOutline = 6000;
constexpr double kAntialiasedCost = 8; // antialiased outlines cost this many plain ones
// Past this, the rest of a page's records are passed over.
constexpr qint64 kPageMilliseconds = 600;

QTransform frameToTarget(const QRectF& frame, const QRectF& target) {
    return QTransform::fromTranslate(-frame.left(), -frame.top()) *
           QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height()) *
           QTransform::fromTranslate(target.left(), target.top());
}

} // namespace

Player::Player(QPainter& painter, const Frame& frame, const QRectF& target, FaceMapper faces)
    : m_painter(painter), m_frame(frame), m_faces(std::move(faces)) {
    if (!m_faces) m_faces = defaultFace;
    m_painter.save();
    m_painter.setWorldTransform(frameToTarget(frame.device, target), true);
    m_painter.setClipRect(frame.device, Qt::IntersectClip);
    m_outerClip = m_painter.clipPath();
    m_pixelsPerDevice = std::sqrt(std::abs(m_painter.combinedTransform().determinant()));
    if (const QPaintEngine* engine = m_painter.paintEngine()) {
        m_rasterOps = engine->hasFeature(QPaintEngine::RasterOpModes);
        m_blendModes = engine->hasFeature(QPaintEngine::BlendModes);
        m_bounded = engine->type() == QPaintEngine::Raster;
    }
    m_toPixels = m_painter.combinedTransform();
    m_clock.start();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_dc.windowOrg = frame.windowOrg;
    m_dc.windowExt = frame.windowExt;
    m_dc.viewportOrg = frame.device.topLeft();
    m_dc.viewportExt = QPointF(frame.device.width(), frame.device.height());
}

Player::~Player() {
    m_painter.restore();
}

void Player::play(const char* data, std::size_t size, const FileHeader& header) {
    m_objects.assign(static_cast<std::size_t>(std::clamp(header.objectCount, 0, 0xFFFF)), {});
    RecordReader reader(data, size, header.firstRecord);
    Record record;
    while (reader.next(record) && !outOfTime())
        dispatch(record);
}

bool Player::outOfTime() const {
    return m_bounded && m_clock.elapsed() > kPageMilliseconds;
}

double Player::outlineLength(const QPolygonF& device) const {
    double length = 0;
    for (qsizetype i = 1; i < device.size(); ++i) {
        const QPointF d = m_toPixels.map(device[i]) - m_toPixels.map(device[i - 1]);
        length += std::abs(d.x()) + std::abs(d.y());
    }
    return length + static_cast<double>(device.size());
}

double Player::outlineLength(const QPainterPath& device) const {
    QPolygonF corners;
    corners.reserve(device.elementCount());
    for (int i = 0; i < device.elementCount(); ++i)
        corners.append(device.elementAt(i));
    return outlineLength(corners);
}

bool Player::affordOutline(double pixels) {
    const bool smooth = pixels <= kSmoothOutline;
    m_painter.setRenderHint(QPainter::Antialiasing, smooth);
    if (!m_bounded) return true;
    const double cost = smooth ? pixels * kAntialiasedCost : pixels;
    if (m_work + cost > kWorkBudget) return false;
    m_work += cost;
    return true;
}

void Player::dispatch(const Record& r) {
    if (m_reader) {
        state(r) || mapping(r) || objects(r) || text(r);
        return;
    }
    state(r) || mapping(r) || objects(r) || clipping(r) || shapes(r) || arcs(r) || text(r) ||
        bitmaps(r) || regions(r);
}

bool Player::state(const Record& r) {
    switch (r.type) {
    case U_WMR_SETBKCOLOR:
        if (r.holds(U_SIZE_WMRSETBKCOLOR)) m_dc.backColor = color(r.data + 6);
        return true;
    case U_WMR_SETTEXTCOLOR:
        if (r.holds(U_SIZE_WMRSETTEXTCOLOR)) m_dc.textColor = color(r.data + 6);
        return true;
    case U_WMR_SETBKMODE:
        m_dc.backMode = r.u16(6);
        return true;
    case U_WMR_SETROP2:
        m_dc.rop2 = r.u16(6);
        return true;
    case U_WMR_SETPOLYFILLMODE:
        m_dc.polyFillMode = r.u16(6);
        return true;
    case U_WMR_SETSTRETCHBLTMODE:
        m_dc.stretchMode = r.u16(6);
        return true;
    case U_WMR_SETTEXTALIGN:
        m_dc.textAlign = r.u16(6);
        return true;
    case U_WMR_SETTEXTCHAREXTRA:
        m_dc.charExtra = r.i16(6);
        return true;
    case U_WMR_MOVETO:
        if (r.holds(U_SIZE_WMRMOVETO)) m_dc.position = QPointF(r.i16(8), r.i16(6));
        return true;
    case U_WMR_SAVEDC:
        if (m_saved.size() < kMaxSavedStates) m_saved.push_back(m_dc);
        return true;
    case U_WMR_RESTOREDC: {
        if (!r.holds(U_SIZE_WMRRESTOREDC)) return true;
        const int which = r.i16(6);
        // Negative counts back from the newest save, positive names a save by number.
        const long long keep =
            which < 0 ? static_cast<long long>(m_saved.size()) + which : which - 1;
        if (which == 0 || keep < 0 || keep >= static_cast<long long>(m_saved.size())) return true;
        m_dc = m_saved[static_cast<std::size_t>(keep)];
        m_saved.resize(static_cast<std::size_t>(keep));
        m_clipDirty = true;
        return true;
    }
    default:
        return false;
    }
}

bool Player::mapping(const Record& r) {
    if (!r.holds(8)) return r.type == U_WMR_SETMAPMODE;
    const QPointF point(r.i16(8), r.i16(6));
    auto setExtent = [&](QPointF& extent) {
        if (point.x() != 0 && point.y() != 0) extent = point;
    };
    auto scale = [&](QPointF& extent) {
        if (!r.holds(U_SIZE_WMRSCALEWINDOWEXT)) return;
        const double xNum = r.i16(12), xDenom = r.i16(10), yNum = r.i16(8), yDenom = r.i16(6);
        if (xNum == 0 || xDenom == 0 || yNum == 0 || yDenom == 0) return;
        extent = QPointF(extent.x() * xNum / xDenom, extent.y() * yNum / yDenom);
    };
    switch (r.type) {
    case U_WMR_SETMAPMODE:
        m_dc.mapMode = r.u16(6);
        return true;
    case U_WMR_SETWINDOWORG:
        m_dc.windowOrg = point;
        return true;
    case U_WMR_SETWINDOWEXT:
        setExtent(m_dc.windowExt);
        return true;
    case U_WMR_SETVIEWPORTORG:
        m_dc.viewportOrg = point;
        return true;
    case U_WMR_SETVIEWPORTEXT:
        setExtent(m_dc.viewportExt);
        return true;
    case U_WMR_OFFSETWINDOWORG:
        m_dc.windowOrg += point;
        return true;
    case U_WMR_OFFSETVIEWPORTORG:
        m_dc.viewportOrg += point;
        return true;
    case U_WMR_SCALEWINDOWEXT:
        scale(m_dc.windowExt);
        return true;
    case U_WMR_SCALEVIEWPORTEXT:
        scale(m_dc.viewportExt);
        return true;
    default:
        return false;
    }
}

QTransform Player::logicalToDevice() const {
    double sx = 1;
    double sy = 1;
    double unitTwips = 0; // the fixed-scale modes measure logical units physically, y upwards
    switch (m_dc.mapMode) {
    case U_MM_LOMETRIC:
        unitTwips = 1440.0 / 254.0;
        break;
    case U_MM_HIMETRIC:
        unitTwips = 1440.0 / 2540.0;
        break;
    case U_MM_LOENGLISH:
        unitTwips = 14.4;
        break;
    case U_MM_HIENGLISH:
        unitTwips = 1.44;
        break;
    case U_MM_TWIPS:
        unitTwips = 1;
        break;
    default:
        // MM_TEXT scales like MM_ANISOTROPIC here: our device is the caller's target, not
        // pixels, and pictures that never set a mode still mean their window to fill it.
        sx = m_dc.viewportExt.x() / m_dc.windowExt.x();
        sy = m_dc.viewportExt.y() / m_dc.windowExt.y();
        if (m_dc.mapMode == U_MM_ISOTROPIC) {
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
    }
    if (unitTwips > 0) {
        sx = unitTwips / m_frame.twipsPerDevice;
        sy = -sx;
    }
    return QTransform(sx, 0, 0, sy, m_dc.viewportOrg.x() - m_dc.windowOrg.x() * sx,
                      m_dc.viewportOrg.y() - m_dc.windowOrg.y() * sy);
}

QPointF Player::map(double x, double y) const {
    return logicalToDevice().map(QPointF(x, y));
}

QRectF Player::mapRect(double left, double top, double right, double bottom) const {
    const QTransform t = logicalToDevice();
    return QRectF(t.map(QPointF(left, top)), t.map(QPointF(right, bottom))).normalized();
}

double Player::scaleX() const {
    return std::abs(logicalToDevice().m11());
}

double Player::scaleY() const {
    return std::abs(logicalToDevice().m22());
}

QColor Player::color(const char* colorRef) const {
    const auto* c = reinterpret_cast<const unsigned char*>(colorRef);
    if (c[3] == 0x01) { // an index into the selected palette
        const int index = c[0] | (c[1] << 8);
        const auto& entries = m_dc.palette.entries;
        return index < entries.size() ? QColor(entries[index]) : QColor(Qt::black);
    }
    return QColor(c[0], c[1], c[2]);
}

bool Player::clipping(const Record& r) {
    switch (r.type) {
    case U_WMR_INTERSECTCLIPRECT:
    case U_WMR_EXCLUDECLIPRECT: {
        if (!r.holds(U_SIZE_WMRINTERSECTCLIPRECT)) return true;
        QPainterPath rect;
        rect.addRect(mapRect(r.i16(12), r.i16(10), r.i16(8), r.i16(6)));
        if (m_dc.clip && m_dc.clip->elementCount() > kMaxClipElements) return true;
        if (r.type == U_WMR_INTERSECTCLIPRECT) {
            setClip(m_dc.clip ? m_dc.clip->intersected(rect) : rect);
        } else {
            QPainterPath all;
            all.addRect(m_frame.device.adjusted(-1e6, -1e6, 1e6, 1e6));
            setClip((m_dc.clip ? *m_dc.clip : all).subtracted(rect));
        }
        return true;
    }
    case U_WMR_OFFSETCLIPRGN:
        if (m_dc.clip && r.holds(U_SIZE_WMROFFSETCLIPRGN)) {
            const QTransform t = logicalToDevice();
            setClip(m_dc.clip->translated(r.i16(8) * t.m11(), r.i16(6) * t.m22()));
        }
        return true;
    case U_WMR_SELECTCLIPREGION: {
        const GdiObject* o = object(r.u16(6));
        const auto* region = o ? std::get_if<RegionSpec>(o) : nullptr;
        setClip(region ? std::optional(logicalToDevice().map(region->path)) : std::nullopt);
        return true;
    }
    default:
        return false;
    }
}

void Player::setClip(std::optional<QPainterPath> clip) {
    m_dc.clip = std::move(clip);
    m_clipDirty = true;
}

void Player::applyClip() {
    if (!m_clipDirty) return;
    m_clipDirty = false;
    m_painter.setClipPath(m_outerClip);
    if (m_dc.clip) m_painter.setClipPath(*m_dc.clip, Qt::IntersectClip);
}

bool Player::beginDraw() {
    applyClip();
    if (m_dc.rop2 == 11) return false; // R2_NOP
    // The binary raster operations R2_BLACK..R2_WHITE, in Windows order.
    static const QPainter::CompositionMode modes[16] = {
        QPainter::RasterOp_ClearDestination,        QPainter::RasterOp_NotSourceAndNotDestination,
        QPainter::RasterOp_NotSourceAndDestination, QPainter::RasterOp_NotSource,
        QPainter::RasterOp_SourceAndNotDestination, QPainter::RasterOp_NotDestination,
        QPainter::RasterOp_SourceXorDestination,    QPainter::RasterOp_NotSourceOrNotDestination,
        QPainter::RasterOp_SourceAndDestination,    QPainter::RasterOp_NotSourceXorDestination,
        QPainter::CompositionMode_DestinationOver,  QPainter::RasterOp_NotSourceOrDestination,
        QPainter::CompositionMode_SourceOver,       QPainter::RasterOp_SourceOrNotDestination,
        QPainter::RasterOp_SourceOrDestination,     QPainter::RasterOp_SetDestination,
    };
    if (m_rasterOps && m_dc.rop2 >= 1 && m_dc.rop2 <= 16 && m_dc.rop2 != 13)
        m_painter.setCompositionMode(modes[m_dc.rop2 - 1]);
    m_painter.setBackgroundMode(m_dc.backMode == U_OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_dc.backColor);
    return true;
}

void Player::endDraw() {
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace av::wmf
