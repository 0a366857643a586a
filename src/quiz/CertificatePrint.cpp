#include "CertificatePrint.h"

#include "PrintText.h"

#include "platform/NumberText.h"
#include "platform/Twips.h"
#include "shell/Printing.h"
#include "shell/Style.h"

#include <QFontMetricsF>

namespace av {
namespace {

using namespace printtext;

void setStyle(PrinterService& p, const QColor& colour, double size) {
    p.setForeColor(colour);
    p.setFontSize(size);
    p.setFontName(style::serifFace());
}

void printBannerTwice(PrinterService& p) {
    p.print(certificateBanner(), false);
    p.print(certificateBanner(), false);
}

// Banner, product title and topic.
void printHead(PrinterService& p, const Certificate& c, float w) {
    setStyle(p, palette16::LightBlue, 25);
    p.setCurrentX(w / 8);
    blankLine(p);
    printBannerTwice(p);
    blankLines(p, 3);

    setStyle(p, palette16::LightRed, 36);
    centre(p, w, style::programTitle());
    blankLine(p);

    p.setForeColor(palette16::LightBlue);
    p.setFontSize(c.topicWidth > w / 4 ? 28 : 36);
    centre(p, w, c.topic);
    centre(p, w, QString());
    p.setFontSize(36);
    blankLines(p, 3);
}

// The praise, the pupil's name and the score, then the closing banner.
void printPraise(PrinterService& p, const Certificate& c, float w) {
    p.setForeColor(palette16::Blue);
    p.setFontSize(28);
    centre(p, w, QStringLiteral("Excellent Work"));
    p.setFontSize(28);
    blankLine(p);
    centre(p, w, c.name);
    centre(p, w, QString());
    p.setFontSize(28);
    centre(p, w,
           QStringLiteral("You have scored") + numberText(c.score) + QStringLiteral(" out of") +
               numberText(c.total) + QLatin1Char('.'));
    blankLine(p);
    p.setFontSize(36);
    blankLines(p, 2);

    setStyle(p, palette16::LightBlue, 25);
    blankLine(p);
    p.setForeColor(palette16::Black);
    printBannerTwice(p);
}

// Each rectangle and box as four lines: top, left, right, bottom.
void drawBox(PrinterService& p, float left, float top, float right, float bottom) {
    p.line(left, top, right, top);
    p.line(left, top, left, bottom);
    p.line(right, top, right, bottom);
    p.line(left, bottom, right, bottom);
}

// Five rectangles 45 twips apart round the page; the first three have a box round the praise.
void drawBorder(PrinterService& p, float w, float h) {
    p.setForeColor(palette16::Black);
    p.setDrawWidth(2);
    for (int k = 1; k <= 5; ++k) {
        const float m = 45.0f * float(k);
        const float t = 225.0f + m;
        drawBox(p, m, t, w - m, h - t);
        if (k <= 3) drawBox(p, m + 600, t + 7050, w - m - 600, h - t - 3750);
    }
}

} // namespace

QString certificateBanner() {
    const QString wellDone = QStringLiteral("Well Done");
    const auto gap = [](int n) { return QString(n, QLatin1Char(' ')); };
    return gap(3) + wellDone + gap(6) + wellDone + gap(5) + wellDone + gap(5) + wellDone + gap(4);
}

void printCertificate(PrinterService& printer, const Certificate& certificate) {
    printDocument(printer, [&] {
        const float w = printer.width();
        const float h = printer.height();
        printHead(printer, certificate, w);
        printPraise(printer, certificate, w);
        drawBorder(printer, w, h);
    });
}

FontSpec surfaceFont() {
    return {QStringLiteral("MS Sans Serif"), 8.25};
}

float surfaceTextWidth(const FontSpec& font, const QString& text) {
    return toTwips(QFontMetricsF(fonts::toQFont(font)).horizontalAdvance(text));
}

} // namespace av
