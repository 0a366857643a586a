#include "RecordingPrinter.h"

#include "platform/Picture.h"
#include "platform/RuntimeError.h"

namespace av::test {

void RecordingPrinter::check() {
    if (noPrinter || (failAtOp > 0 && ++m_ops >= failAtOp))
        throw RuntimeError(RuntimeError::PrinterError, QStringLiteral("printer failed"));
}

PrintOp RecordingPrinter::op(PrintOp::Kind kind) const {
    PrintOp o{kind, {}, false, m_x, m_y, 0, 0, m_font, m_size, m_color, m_drawWidth};
    return o;
}

float RecordingPrinter::width() {
    if (noPrinter) check();
    return pageWidth;
}

float RecordingPrinter::height() {
    if (noPrinter) check();
    return pageHeight;
}

float RecordingPrinter::textWidth(const QString& text) {
    return static_cast<float>(10 * m_size * text.size());
}

void RecordingPrinter::print(const QString& text, bool lineEnd) {
    check();
    PrintOp o = op(PrintOp::Kind::Text);
    o.text = text;
    o.lineEnd = lineEnd;
    current.push_back(o);
    if (lineEnd) {
        m_x = 0;
        m_y += lineHeight();
    } else {
        m_x += textWidth(text);
    }
}

void RecordingPrinter::line(float x1, float y1, float x2, float y2) {
    check();
    PrintOp o = op(PrintOp::Kind::Line);
    o.x = x1;
    o.y = y1;
    o.x2 = x2;
    o.y2 = y2;
    current.push_back(o);
    m_x = x2;
    m_y = y2;
}

void RecordingPrinter::paintPicture(const Picture& picture, float x, float y) {
    check();
    PrintOp o = op(PrintOp::Kind::Picture);
    o.x = x;
    o.y = y;
    o.x2 = x + static_cast<float>(picture.sizeTwips().width());
    o.y2 = y + static_cast<float>(picture.sizeTwips().height());
    current.push_back(o);
}

void RecordingPrinter::endDoc() {
    check();
    documents.push_back(current);
    current.clear();
    m_x = m_y = 0;
}

void RecordingPrinter::abandonDoc() {
    if (!current.empty()) ++abandoned;
    current.clear();
    m_x = m_y = 0;
}

} // namespace av::test
