#include "wmf/Metafile.h"

#include "wmf/PageText.h"

#include <QPicture>
#include <cmath>
#include <optional>
#include <uwmf.h>

namespace av::wmf {

namespace {

constexpr double kTwipsPerInch = 1440;

// Window and viewport as set before anything is drawn: they say what the picture covers.
struct Setup {
    std::optional<QPointF> windowOrg, windowExt, viewportOrg, viewportExt;
    int mapMode = U_MM_TEXT;
};

bool isDrawing(int type) {
    switch (type) {
    case U_WMR_LINETO:
    case U_WMR_ARC:
    case U_WMR_ELLIPSE:
    case U_WMR_FLOODFILL:
    case U_WMR_PIE:
    case U_WMR_RECTANGLE:
    case U_WMR_ROUNDRECT:
    case U_WMR_PATBLT:
    case U_WMR_SETPIXEL:
    case U_WMR_TEXTOUT:
    case U_WMR_BITBLT:
    case U_WMR_STRETCHBLT:
    case U_WMR_POLYGON:
    case U_WMR_POLYLINE:
    case U_WMR_FILLREGION:
    case U_WMR_FRAMEREGION:
    case U_WMR_INVERTREGION:
    case U_WMR_PAINTREGION:
    case U_WMR_CHORD:
    case U_WMR_EXTTEXTOUT:
    case U_WMR_SETDIBTODEV:
    case U_WMR_POLYPOLYGON:
    case U_WMR_DIBBITBLT:
    case U_WMR_DIBSTRETCHBLT:
    case U_WMR_STRETCHDIB:
    case U_WMR_EXTFLOODFILL:
        return true;
    default:
        return false;
    }
}

Setup readSetup(const QByteArray& bytes, const FileHeader& header) {
    Setup setup;
    RecordReader reader(bytes.constData(), static_cast<std::size_t>(bytes.size()),
                        header.firstRecord);
    Record r;
    while (reader.next(r) && !isDrawing(r.type)) {
        if (!r.holds(8)) continue;
        const QPointF point(r.i16(8), r.i16(6));
        const bool extent = point.x() != 0 && point.y() != 0;
        switch (r.type) {
        case U_WMR_SETMAPMODE:
            setup.mapMode = r.u16(6);
            break;
        case U_WMR_SETWINDOWORG:
            setup.windowOrg = point;
            break;
        case U_WMR_SETVIEWPORTORG:
            setup.viewportOrg = point;
            break;
        case U_WMR_SETWINDOWEXT:
            if (extent) setup.windowExt = point;
            break;
        case U_WMR_SETVIEWPORTEXT:
            if (extent) setup.viewportExt = point;
            break;
        default:
            break;
        }
    }
    return setup;
}

double metricUnitTwips(int mapMode) {
    switch (mapMode) {
    case U_MM_LOMETRIC:
        return kTwipsPerInch / 254;
    case U_MM_HIMETRIC:
        return kTwipsPerInch / 2540;
    case U_MM_LOENGLISH:
        return 14.4;
    case U_MM_HIENGLISH:
        return 1.44;
    case U_MM_TWIPS:
        return 1;
    default:
        return 0;
    }
}

QRectF rectOf(QPointF origin, QPointF extent) {
    return QRectF(origin.x(), origin.y(), extent.x(), extent.y());
}

} // namespace

Metafile::Metafile(QByteArray bytes, const FileHeader& header, FaceMapper faces)
    : m_bytes(std::move(bytes)), m_header(header), m_faces(faces ? std::move(faces) : defaultFace) {
}

std::shared_ptr<const Metafile> Metafile::load(const QByteArray& bytes, FaceMapper faces) {
    FileHeader header;
    if (!readHeader(bytes.constData(), static_cast<std::size_t>(bytes.size()), header))
        return nullptr;
    std::shared_ptr<Metafile> metafile(new Metafile(bytes, header, std::move(faces)));
    if (!metafile->setUpFrame()) return nullptr;
    RecordReader reader(bytes.constData(), static_cast<std::size_t>(bytes.size()),
                        header.firstRecord);
    Record record;
    while (reader.next(record)) {
    }
    metafile->m_whole = !reader.damaged();
    return metafile;
}

bool Metafile::setUpFrame() {
    const Setup setup = readSetup(m_bytes, m_header);
    const QRectF bounds = QRectF(m_header.bounds);
    QRectF window;
    if (setup.windowExt) {
        window = rectOf(setup.windowOrg.value_or(QPointF()), *setup.windowExt);
    } else if (m_header.placeable && !bounds.isEmpty()) {
        window = bounds;
    }
    if (setup.viewportExt)
        m_frame.device =
            rectOf(setup.viewportOrg.value_or(QPointF()), *setup.viewportExt).normalized();
    else
        m_frame.device = window.normalized();

    if (m_frame.device.isEmpty()) {
        // Nothing says what the picture covers: measure what it draws, one unit a pixel.
        const QRectF everywhere(-40000, -40000, 80000, 80000);
        m_frame.device = everywhere;
        m_frame.windowOrg = everywhere.topLeft();
        m_frame.windowExt = QPointF(everywhere.width(), everywhere.height());
        QPicture picture;
        {
            QPainter painter(&picture);
            Player player(painter, m_frame, everywhere, m_faces);
            player.play(m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()), m_header);
        }
        const QRect drawn = picture.boundingRect();
        m_frame.device =
            drawn.isEmpty() ? QRectF(0, 0, 96, 96) : QRectF(drawn.united(QRect(0, 0, 1, 1)));
        window = m_frame.device;
    }
    const QRectF initial = m_header.placeable && !bounds.isEmpty() ? bounds : window.normalized();
    m_frame.windowOrg = initial.topLeft();
    m_frame.windowExt = QPointF(initial.width(), initial.height());

    if (m_header.placeable && !bounds.isEmpty()) {
        const double inch = m_header.unitsPerInch > 0 ? m_header.unitsPerInch : kTwipsPerInch;
        m_twips = bounds.size() * (kTwipsPerInch / inch);
    } else if (const double unit = metricUnitTwips(setup.mapMode); unit > 0 && setup.windowExt) {
        m_twips = QSizeF(std::abs(setup.windowExt->x()), std::abs(setup.windowExt->y())) * unit;
    } else {
        // No placeable header: take the window's units as 96-per-inch pixels, the
        // unit of the MM_TEXT device such files were drawn on; an extent that would
        // make a picture larger than 8 inches is taken as twips instead.
        const QSizeF units = m_frame.device.size();
        m_twips = units * 15.0;
        if (std::max(m_twips.width(), m_twips.height()) > 8 * kTwipsPerInch) m_twips = units;
    }
    if (m_twips.isEmpty() || m_frame.device.isEmpty()) return false;
    m_frame.twipsPerDevice = m_twips.width() / m_frame.device.width();
    return true;
}

void Metafile::draw(QPainter& painter, const QRectF& target) const {
    if (!painter.isActive() || target.isEmpty()) return;
    Player player(painter, m_frame, target, m_faces);
    player.play(m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()), m_header);
}

PictureText Metafile::text() const {
    if (m_text) return *m_text;
    std::vector<TextRun> runs;
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&scratch);
        Player player(painter, m_frame, m_frame.device, m_faces);
        player.readTextOnly([&runs](const TextRun& run) { runs.push_back(run); });
        player.play(m_bytes.constData(), static_cast<std::size_t>(m_bytes.size()), m_header);
    }
    m_text = readText(std::move(runs));
    return *m_text;
}

PicturePtr decodePicture(const QByteArray& bytes) {
    return Metafile::load(bytes);
}

PicturePtr decodePicture(const QByteArray& bytes, FaceMapper faces) {
    return Metafile::load(bytes, std::move(faces));
}

} // namespace av::wmf
