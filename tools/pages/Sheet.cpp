#include "Sheet.h"

#include "Typeface.h"

#include <uemf.h>

namespace av::pages {

void Sheet::use(const WinFont& font, const QColor& color, int align) {
    if (m_font != font) {
        m_out.font(font);
        m_font = font;
    }
    if (m_color != color) {
        m_out.setTextColor(color);
        m_color = color;
    }
    if (m_align != align) {
        m_out.setTextAlign(align);
        m_align = align;
    }
}

std::optional<QByteArray> Sheet::encode(const QString& text) {
    auto bytes = toCodePage(text);
    if (!bytes)
        problems << QStringLiteral("no code page place for a character in \"%1\"").arg(text);
    return bytes;
}

int Sheet::text(QPoint at, const QString& text, const WinFont& font, const QColor& color) {
    const auto bytes = encode(text);
    if (!bytes || text.isEmpty()) return 0;
    use(font, color, U_TA_BASELINE | U_TA_LEFT);
    const QVector<qint16> advances = Typeface(font).advances(text);
    m_out.extTextOut(at, *bytes, advances);
    int width = 0;
    for (qint16 a : advances)
        width += a;
    return width;
}

void Sheet::label(QPoint at, const QString& text, const WinFont& font, const QColor& color,
                  const std::optional<QColor>& backing) {
    const auto bytes = encode(text);
    if (!bytes || text.isEmpty()) return;
    use(font, color, U_TA_BASELINE | U_TA_CENTER);
    if (backing) {
        m_out.setBackColor(*backing);
        m_out.setTransparentText(false);
    }
    m_out.textOut(at, *bytes);
    if (backing) m_out.setTransparentText(true);
}

} // namespace av::pages
