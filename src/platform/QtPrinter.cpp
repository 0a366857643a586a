#include "QtPrinter.h"

#include "Picture.h"
#include "ProgramTitle.h"
#include "RuntimeError.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>

namespace av {
namespace {
[[noreturn]] void fail(const QString& what) {
    throw RuntimeError(RuntimeError::PrinterError, what);
}
} // namespace

QtPrinter::QtPrinter() = default;

QtPrinter::QtPrinter(const QString& pdfPath) : m_pdfPath(pdfPath) {}

QtPrinter::~QtPrinter() {
    abandonDoc();
}

QPrinter& QtPrinter::printer() {
    if (m_printer) return *m_printer;
    if (m_pdfPath.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) fail(QStringLiteral("no default printer"));
        m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfPath);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        // The dots of a common office printer, so pen widths come out as they would on paper.
        m_printer->setResolution(600);
    }
    m_printer->setDocName(QString::fromLatin1(ProgramTitle));
    if (!m_printer->isValid()) {
        m_printer.reset();
        fail(QStringLiteral("printer not valid"));
    }
    return *m_printer;
}

QPainter& QtPrinter::painter() {
    if (m_painter) return *m_painter;
    QPrinter& p = printer();
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&p)) fail(QStringLiteral("the printer would not start a document"));
    // Twips on the page: 1440 to the inch, whatever the printer's resolution.
    const double scale = p.resolution() / 1440.0;
    painter->scale(scale, scale);
    painter->setRenderHint(QPainter::Antialiasing);
    // Nothing reaches the margins: what runs past the printable page is lost, as on paper.
    painter->setClipRect(QRectF(0, 0, width(), height()));
    m_painter = std::move(painter);
    return *m_painter;
}

void QtPrinter::setFontSize(double points) {
    m_font.size = points;
}

void QtPrinter::setFontName(const QString& name) {
    m_font.name = name;
}

QFont QtPrinter::currentFont() const {
    QFont font(fonts::familyFor(m_font.name));
    font.setPixelSize(qMax(1, qRound(m_font.size * 20)));
    font.setBold(m_font.bold);
    font.setItalic(m_font.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

float QtPrinter::width() {
    QPrinter& p = printer();
    return static_cast<float>(p.pageLayout().paintRectPixels(p.resolution()).width() * 1440.0 /
                              p.resolution());
}

float QtPrinter::height() {
    QPrinter& p = printer();
    return static_cast<float>(p.pageLayout().paintRectPixels(p.resolution()).height() * 1440.0 /
                              p.resolution());
}

float QtPrinter::textWidth(const QString& text) {
    return static_cast<float>(QFontMetricsF(currentFont()).horizontalAdvance(text));
}

void QtPrinter::print(const QString& text, bool lineEnd) {
    QPainter& p = painter();
    const QFont font = currentFont();
    const QFontMetricsF metrics(font);
    p.setFont(font);
    p.setPen(m_color);
    p.drawText(QPointF(m_x, m_y + metrics.ascent()), text);
    if (lineEnd) {
        m_x = 0;
        m_y += static_cast<float>(metrics.height());
    } else {
        m_x += static_cast<float>(metrics.horizontalAdvance(text));
    }
}

void QtPrinter::line(float x1, float y1, float x2, float y2) {
    QPainter& p = painter();
    // A line's width is counted in the printer's own dots, not in twips.
    const double twipsPerDot = 1440.0 / printer().resolution();
    p.setPen(QPen(m_color, m_drawWidth * twipsPerDot, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    m_x = x2;
    m_y = y2;
}

void QtPrinter::paintPicture(const Picture& picture, float x, float y) {
    QPainter& p = painter();
    const QSizeF size = picture.sizeTwips();
    picture.draw(p, QRectF(x, y, size.width(), size.height()));
}

void QtPrinter::endDoc() {
    // A document with nothing drawn still goes out as one empty page.
    painter();
    const bool ok = m_painter->end();
    m_painter.reset();
    m_printer.reset();
    m_x = m_y = 0;
    if (!ok) fail(QStringLiteral("the printer did not take the document"));
}

void QtPrinter::abandonDoc() {
    if (m_painter) m_painter->end();
    m_painter.reset();
    m_printer.reset();
    m_x = m_y = 0;
}

} // namespace av
