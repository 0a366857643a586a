#pragma once

#include "platform/Fonts.h"
#include "platform/PrinterService.h"

#include <QString>

namespace av {

// What a certificate shows. The topic's width is measured by the results screen on its own
// surface, not on the printer, and picks the topic's size.
struct Certificate {
    QString topic;
    float topicWidth = 0;
    QString name;
    int score = 0;
    int total = 0;
};

// "Well Done" four times, printed twice at the top and at the bottom of the certificate.
QString certificateBanner();

// Prints the certificate as one document. A printer failure abandons the document and is
// thrown on; the caller tells the user.
void printCertificate(PrinterService& printer, const Certificate& certificate);

// A screen's own surface writes in this face when its design sets none.
FontSpec surfaceFont();
// Width in twips of a text written on a screen's surface in the given font.
float surfaceTextWidth(const FontSpec& font, const QString& text);

} // namespace av
