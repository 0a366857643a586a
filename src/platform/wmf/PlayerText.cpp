#include "wmf/Player.h"
#include "wmf/TextDecoder.h"

#include <QFontMetricsF>
#include <cmath>
#include <cstring>
#include <uwmf.h>

namespace av::wmf {

namespace {

constexpr int kMaxFontPixels = 4096;

// Cell heights include the internal leading; Qt sizes fonts by the em.
double cellToEm(const QFont& font) {
    QFont probe = font;
    probe.setPixelSize(256);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    return cell > 0 ? 256.0 / cell : 1.0;
}

} // namespace

QFont Player::font(double* emDevice) const {
    const FontSpec& spec = m_dc.font;
    // Qt reads commas and quotes as family-list syntax, and an empty family list
    // crashes QPicture's font streaming; keep the name a plain single family.
    QString family = m_faces(spec.face);
    family.replace(QLatin1Char(','), QLatin1Char(' '))
        .remove(QLatin1Char('"'))
        .remove(QLatin1Char('\''));
    family = family.simplified();
    if (family.isEmpty()) family = m_faces(QStringLiteral("Arial")).simplified();
    if (family.isEmpty()) family = QStringLiteral("Sans Serif");
    QFont font(family);
    font.setWeight(
        static_cast<QFont::Weight>(std::clamp(spec.weight > 0 ? spec.weight : 400, 1, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    // Height 0 asks for the default size; 12 point stands in for it.
    double em =
        spec.height == 0 ? 240.0 / m_frame.twipsPerDevice : std::abs(spec.height) * scaleY();
    if (spec.height > 0) em *= cellToEm(font);
    const double pixels =
        std::clamp(std::round(em * m_pixelsPerDevice), 1.0, double(kMaxFontPixels));
    font.setPixelSize(static_cast<int>(pixels));
    if (spec.width > 0) {
        const double natural = QFontMetricsF(font).averageCharWidth() * em / pixels;
        const double wanted = spec.width * scaleX();
        if (natural > 0)
            font.setStretch(std::clamp(static_cast<int>(100 * wanted / natural), 1, 4000));
    }
    *emDevice = em;
    return font;
}

bool Player::text(const Record& r) {
    if (r.type == U_WMR_TEXTOUT) {
        const int length = r.i16(6);
        const std::size_t stringBytes =
            2 * ((static_cast<std::size_t>(std::max(length, 0)) + 1) / 2);
        if (length <= 0 || !r.holds(U_SIZE_WMRTEXTOUT + stringBytes + 4)) return true;
        U_POINT16 at{};
        int16_t count = 0;
        const char* string = nullptr;
        if (!U_WMRTEXTOUT_get(r.data, &at, &count, &string)) return true;
        drawText(QPointF(at.x, at.y), string, count, nullptr, 0, QRectF());
        return true;
    }
    if (r.type != U_WMR_EXTTEXTOUT) return false;
    if (!r.holds(U_SIZE_WMREXTTEXTOUT)) return true;
    const int length = std::max<int>(r.i16(10), 0);
    const int options = r.u16(12);
    const bool hasBox = options & (U_ETO_OPAQUE | U_ETO_CLIPPED);
    const std::size_t stringAt = U_SIZE_WMREXTTEXTOUT + (hasBox ? U_SIZE_RECT16 : 0);
    const std::size_t dxAt = stringAt + 2 * ((static_cast<std::size_t>(length) + 1) / 2);
    if (!r.holds(dxAt)) return true;
    U_POINT16 at{};
    int16_t count = 0;
    uint16_t opts = 0;
    const char* string = nullptr;
    const int16_t* dx = nullptr;
    U_RECT16 box{};
    if (!U_WMREXTTEXTOUT_get(r.data, &at, &count, &opts, &string, &dx, &box)) return true;
    const bool hasDx = r.holds(dxAt + 2 * static_cast<std::size_t>(length));
    const QRectF deviceBox = hasBox ? mapRect(box.left, box.top, box.right, box.bottom) : QRectF();
    drawText(QPointF(at.x, at.y), string, length, hasDx ? dx : nullptr, options, deviceBox);
    return true;
}

void Player::drawText(QPointF reference, const char* bytes, int length, const std::int16_t* dx,
                      int options, const QRectF& box) {
    applyClip();
    const bool updatePosition = m_dc.textAlign & U_TA_UPDATECP;
    const QPointF logicalAt = updatePosition ? m_dc.position : reference;
    const DecodedText decoded =
        decodeText(bytes, length, m_dc.font.charset, isSymbolFace(m_dc.font.face));
    double em = 1;
    const QFont qfont = font(&em);
    const double k = em / qfont.pixelSize(); // device units per font pixel
    const QFontMetricsF metrics(qfont);

    // Split into characters with their advances in device units.
    QStringList pieces;
    QVector<double> advances;
    const double sx = scaleX();
    int byte = 0;
    for (int i = 0; i < decoded.text.size(); ++i) {
        if (decoded.bytesPerChar[i] == 0 && !pieces.isEmpty()) {
            pieces.last().append(decoded.text[i]);
            continue;
        }
        double advance = 0;
        if (dx) {
            for (int b = 0; b < decoded.bytesPerChar[i] && byte + b < length; ++b) {
                std::int16_t step;
                std::memcpy(&step, reinterpret_cast<const char*>(dx) + 2 * (byte + b), 2);
                advance += step * sx;
            }
        }
        byte += decoded.bytesPerChar[i];
        pieces.append(QString(decoded.text[i]));
        advances.append(advance);
    }
    if (!dx) {
        for (int i = 0; i < pieces.size(); ++i)
            advances[i] = metrics.horizontalAdvance(pieces[i]) * k + m_dc.charExtra * sx;
    }
    double width = 0;
    for (double a : advances)
        width += a;

    const int horizontal = m_dc.textAlign & U_TA_CENTER;
    const int vertical = m_dc.textAlign & U_TA_BASELINE;
    const double ascent = metrics.ascent() * k;
    const double descent = metrics.descent() * k;
    double x = horizontal == U_TA_CENTER ? -width / 2 : horizontal == U_TA_RIGHT ? -width : 0;
    const double y = vertical == U_TA_BASELINE ? 0 : vertical == U_TA_BOTTOM ? -descent : ascent;
    if (m_reader) {
        const QPointF start = map(logicalAt.x(), logicalAt.y()) + QPointF(x, y);
        m_reader(TextRun{start, width, em, decoded.text});
        if (updatePosition && logicalToDevice().m11() != 0)
            m_dc.position.rx() += width / logicalToDevice().m11();
        return;
    }

    m_painter.save();
    m_painter.setBackgroundMode(Qt::TransparentMode); // the box below is the background
    if ((options & U_ETO_OPAQUE) && box.isValid()) m_painter.fillRect(box, m_dc.backColor);
    if ((options & U_ETO_CLIPPED) && box.isValid()) m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.translate(map(logicalAt.x(), logicalAt.y()));
    m_painter.rotate(-m_dc.font.escapement / 10.0);
    if (m_dc.backMode == U_OPAQUE && !(options & U_ETO_OPAQUE))
        m_painter.fillRect(QRectF(x, y - ascent, width, ascent + descent), m_dc.backColor);
    m_painter.scale(k, k);
    m_painter.setFont(qfont);
    m_painter.setPen(m_dc.textColor);
    if (!dx && m_dc.charExtra == 0) {
        m_painter.drawText(QPointF(x / k, y / k), pieces.join(QString()));
    } else {
        for (int i = 0; i < pieces.size(); ++i) {
            m_painter.drawText(QPointF(x / k, y / k), pieces[i]);
            x += advances[i];
        }
    }
    m_painter.restore();
    if (updatePosition) {
        const double m11 = logicalToDevice().m11();
        if (m11 != 0) m_dc.position.rx() += width / m11;
    }
}

} // namespace av::wmf
